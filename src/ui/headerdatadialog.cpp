#include "ui/headerdatadialog.h"

TKopftexte EditKopfdaten(const TKopftexte &texts, QWidget *)
{
    return texts;
}
