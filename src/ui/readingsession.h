#pragma once

#include "base/schuss.h"
#include "geometry/disagparameter.h"

#include <QString>

// What the competition window needs of the reading window: prepare it for one shooter, show
// it modally, take the 120 shots of its target control back however it was closed.
class TReadingSession
{
public:
    virtual ~TReadingSession() = default;

    // `shooterCaption`: name line, CR, series line; `continueReading`: a reading goes on after
    // the shots already present.
    virtual void Prepare(const TDisagParameter &params, const QString &shooterCaption,
                         const QString &teamName, const TSchussArray &shots,
                         bool continueReading) = 0;
    virtual void Run() = 0;
    virtual TSchussArray Shots() const = 0;
};
