#pragma once

class QWidget;
class TAboutBox;
class TFEinstellung;
class TFGast;
class TFSchusseingabe;
class TFimages;
class TFormDisageinstellung;
class TFormsetupAuswertung;
class THelp;
class TReadingSession;

// The windows that live for the whole run, created at start-up in this order and shown modally
// when needed. A null entry is a window this build does not have yet (or a test left out).
struct TProgramWindows
{
    TFormsetupAuswertung *setup = nullptr;
    TAboutBox *about = nullptr;
    TFimages *images = nullptr;
    TFEinstellung *einstellung = nullptr;
    TFormDisageinstellung *disag = nullptr;
    TReadingSession *ringlesen = nullptr;
    TFGast *gast = nullptr;
    TFSchusseingabe *schusseingabe = nullptr;
    THelp *help = nullptr;
};

TProgramWindows &ProgramWindows();
