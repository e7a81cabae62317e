#include "ui/modal.h"

#include <QDialog>

#include <utility>

namespace {
TModalHandler &Handler()
{
    static TModalHandler handler;
    return handler;
}
} // namespace

int ExecModal(QDialog &dialog)
{
    if (!Handler())
        return dialog.exec();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    const int result = Handler()(dialog);
    dialog.hide();
    return result;
}

TModalHandlerScope::TModalHandlerScope(TModalHandler handler)
    : m_previous(std::exchange(Handler(), std::move(handler)))
{ }

TModalHandlerScope::~TModalHandlerScope()
{
    Handler() = std::move(m_previous);
}
