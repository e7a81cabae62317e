#pragma once

#include "ui/help.h"

#include <QStringList>

// Records every help call as text: "context 20", "topic Optionen_20", "contents", "help on help".
class TFakeHelp : public THelp
{
public:
    void ShowContext(int context) override { calls << QStringLiteral("context %1").arg(context); }
    void ShowTopic(const QString &topic) override { calls << QStringLiteral("topic ") + topic; }
    void ShowContents() override { calls << QStringLiteral("contents"); }
    void ShowHelpOnHelp() override { calls << QStringLiteral("help on help"); }

    QStringList calls;
};
