// The find combo of a catalogue row: every taxon of the row's level in the
// class, by Latin name or by common name, "Unknown" first.
#pragma once

#include "ui/catalogue/CompletingCombo.h"

class CComboFind : public CompletingCombo {
    Q_OBJECT
public:
    explicit CComboFind(QWidget* parent = nullptr) : CompletingCombo(parent) {}
};
