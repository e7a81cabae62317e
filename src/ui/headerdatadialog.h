#pragma once

#include "model/competition.h"

#include <array>

class QWidget;

using TKopftexte = std::array<QString, KopfAnzahl>;

// The header data dialog, created for this call: edits the eight header texts and returns them,
// however the dialog was closed.
TKopftexte EditKopfdaten(const TKopftexte &texts, QWidget *parent = nullptr);
