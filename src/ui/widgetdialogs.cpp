#include "ui/widgetdialogs.h"

#include "ui/colorref.h"
#include "ui/help.h"
#include "ui/programwindows.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {

QString Caption(const TMessage &message)
{
    if (!message.caption.isEmpty())
        return message.caption;
    switch (message.icon) {
    case TMsgIcon::Information:
        return QStringLiteral("Information");
    case TMsgIcon::Warning:
        return QStringLiteral("Warnung");
    case TMsgIcon::Error:
        return QStringLiteral("Fehler");
    case TMsgIcon::Confirmation:
        return QStringLiteral("Bestätigen");
    case TMsgIcon::None:
        break;
    }
    return QStringLiteral("Tarvenn");
}

QMessageBox::Icon BoxIcon(TMsgIcon icon)
{
    switch (icon) {
    case TMsgIcon::Information:
        return QMessageBox::Information;
    case TMsgIcon::Warning:
        return QMessageBox::Warning;
    case TMsgIcon::Error:
        return QMessageBox::Critical;
    case TMsgIcon::Confirmation:
        return QMessageBox::Question;
    case TMsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct TButton
{
    QMessageBox::StandardButton button;
    TMsgAnswer answer;
    const char *text;
};

QList<TButton> Buttons(TMsgButtons buttons)
{
    const TButton ok {QMessageBox::Ok, TMsgAnswer::Ok, "OK"};
    const TButton cancel {QMessageBox::Cancel, TMsgAnswer::Cancel, "Abbrechen"};
    const TButton yes {QMessageBox::Yes, TMsgAnswer::Yes, "&Ja"};
    const TButton no {QMessageBox::No, TMsgAnswer::No, "&Nein"};
    switch (buttons) {
    case TMsgButtons::Ok:
    case TMsgButtons::OkHelp:
        return {ok};
    case TMsgButtons::OkCancel:
        return {ok, cancel};
    case TMsgButtons::YesNo:
        return {yes, no};
    case TMsgButtons::YesNoCancel:
        break;
    }
    return {yes, no, cancel};
}

QString OtherCase(const QString &pattern)
{
    const QString lower = pattern.toLower();
    return lower != pattern ? lower : pattern.toUpper();
}

std::optional<QString> RunFileDialog(const TFileDialogOptions &options, bool save)
{
    QFileDialog dialog(QApplication::activeWindow(), options.title, options.initialDir,
                       QtFileFilter(options.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Replacing a file is what saving under a chosen name means here.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!options.fileName.isEmpty())
        dialog.selectFile(options.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return WithDefaultExtension(dialog.selectedFiles().constFirst(), options.defaultExt);
}

} // namespace

TMsgAnswer TWidgetDialogs::Message(const TMessage &message)
{
    QMessageBox box(BoxIcon(message.icon), Caption(message), message.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    const QList<TButton> buttons = Buttons(message.buttons);
    for (const TButton &b : buttons)
        box.addButton(b.button)->setText(QString::fromUtf8(b.text));
    // Closing the box answers with its cancelling button.
    box.setEscapeButton(box.button(buttons.last().button));
    QPushButton *help = nullptr;
    if (message.buttons == TMsgButtons::OkHelp)
        help = box.addButton(QStringLiteral("Hilfe"), QMessageBox::HelpRole);
    for (;;) {
        box.exec();
        if (!help || box.clickedButton() != help)
            break;
        if (THelp *h = ProgramWindows().help; h && message.helpContext != 0)
            h->ShowContext(message.helpContext);
    }
    for (const TButton &b : buttons) {
        if (box.clickedButton() == box.button(b.button))
            return b.answer;
    }
    return buttons.last().answer;
}

std::optional<QString> TWidgetDialogs::OpenFileName(const TFileDialogOptions &options)
{
    return RunFileDialog(options, false);
}

std::optional<QString> TWidgetDialogs::SaveFileName(const TFileDialogOptions &options)
{
    return RunFileDialog(options, true);
}

std::optional<QString> TWidgetDialogs::InputQuery(const QString &caption, const QString &prompt,
                                                  const QString &value)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<quint32> TWidgetDialogs::ChooseColor(quint32 initial)
{
    const QColor chosen =
            QColorDialog::getColor(ColorFromRef(initial), QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return RefFromColor(chosen);
}

void TWidgetDialogs::Beep()
{
    QApplication::beep();
}

QString QtFileFilter(const QString &filter)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString &pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            patterns.append(pattern.trimmed());
            if (OtherCase(pattern.trimmed()) != pattern.trimmed())
                patterns.append(OtherCase(pattern.trimmed()));
        }
        QString description = parts[i];
        description.remove(trailingPatterns);
        entries.append(QStringLiteral("%1 (%2)").arg(description, patterns.join(u' ')));
    }
    return entries.join(QStringLiteral(";;"));
}

QString WithDefaultExtension(const QString &path, const QString &defaultExt)
{
    if (defaultExt.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + u'.' + defaultExt;
}
