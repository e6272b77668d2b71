#pragma once

// Parts of the calculator window shared by its construction and its behaviour.
#include "app/calc_window.h"

#include <string>
#include <vector>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QString>

// The controls of the Options page.
struct TCalcWindow::OptionControls {
    QGroupBox* opens = nullptr;
    QGroupBox* defaultsAre = nullptr;
    QGroupBox* local = nullptr;
    QRadioButton* lastEntered = nullptr;
    QRadioButton* defaults = nullptr;
    QRadioButton* localDefaults = nullptr;
    QRadioButton* globalDefaults = nullptr;
    QRadioButton* publishers = nullptr;
    QLabel* rateLabel = nullptr;
    TqvNumEdit* rate = nullptr;
    std::vector<QLabel*> labels;
    std::vector<QComboBox*> choices;
};

namespace calcwin {

inline QString Text(const char* text) {
    return QString::fromUtf8(text);
}

inline QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace calcwin
