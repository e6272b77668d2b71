// Construction of the calculator window's pages, buttons and tab order.
#include "app/calc_window.h"
#include "app/calc_window_controls.h"
#include "app/calc_window_texts.h"
#include "app/help_router.h"
#include "app/num_edit.h"

#include <span>

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

using calcwin::Text;

void TCalcWindow::buildCalculatorPage(QWidget* page) {
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(0, 1);
    int row = 0;
    auto addField = [&](const CalcFieldSpec& desc) {
        auto* label = new QLabel(page);
        auto* edit = new TqvNumEdit(page);
        edit->setObjectName(desc.name);
        ApplyFieldFormat(*edit, desc.format, desc.digits, masksFor(desc.format));
        edit->setAcceptNegatives(desc.acceptNegatives);
        HelpRouter::setTopic(edit, desc.helpTopic);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // A label with a buddy reads "&&" as "&"; a result's buddy takes no focus.
        label->setBuddy(edit);
        if (desc.role == CalcRole::Result) {
            edit->setReadOnly(true);
            edit->setFocusPolicy(Qt::NoFocus);
        } else {
            connect(edit, &TqvNumEdit::valueChanged, this, &TCalcWindow::inputChanged);
        }
        auto* marker = new QLabel(Text(calctext::kSolvedMarker), page);
        marker->setObjectName(desc.name + QStringLiteral("Marker"));
        QFont bold = marker->font();
        bold.setBold(true);
        marker->setFont(bold);
        QSizePolicy keep = marker->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        marker->setSizePolicy(keep);
        marker->hide();
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        // Windows without markers give their column to the fields.
        if (m_desc.markers)
            grid->addWidget(marker, row, 2);
        ++row;
        m_fieldLabels.push_back(label);
        m_edits.push_back(edit);
        m_markers.push_back(marker);
        if (desc.helpTextAfter) {
            // Windows of two sections end each with this line: "lHelpText", "lHelpText2".
            auto* help = new QLabel(Text(calctext::kUnknownHelp), page);
            help->setObjectName(m_helpTexts.empty()
                                    ? QStringLiteral("lHelpText")
                                    : QStringLiteral("lHelpText%1").arg(m_helpTexts.size() + 1));
            help->setAlignment(Qt::AlignCenter);
            help->setWordWrap(true);
            grid->addWidget(help, row++, 0, 1, 3);
            grid->setRowMinimumHeight(row++, 4);
            m_helpTexts.push_back(help);
        }
    };
    // Inputs first, then the date pickers and the lists, then the results below a gap.
    for (const CalcFieldSpec& desc : m_desc.fields)
        if (desc.role != CalcRole::Result)
            addField(desc);
    for (const CalcDateSpec& desc : m_desc.dates)
        addDatePicker(*grid, row++, desc);
    for (const CalcChoiceSpec& desc : m_desc.choices) {
        auto* label = new QLabel(page);
        auto* box = new QComboBox(page);
        box->setObjectName(desc.name);
        label->setBuddy(box);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        HelpRouter::setTopic(box, desc.helpTopic);
        connect(box, &QComboBox::currentIndexChanged, this, &TCalcWindow::inputChanged);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        ++row;
        m_choiceLabels.push_back(label);
        m_choices.push_back(box);
    }
    grid->setRowMinimumHeight(row++, 8);
    for (const CalcFieldSpec& desc : m_desc.fields)
        if (desc.role == CalcRole::Result)
            addField(desc);
    grid->setRowStretch(row, 1);
}

void TCalcWindow::addDatePicker(QGridLayout& grid, int row, const CalcDateSpec& desc) {
    QWidget* page = grid.parentWidget();
    auto* label = new QLabel(page);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* picker = new QDateEdit(page);
    picker->setObjectName(desc.name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(Text(dateMask()));
    picker->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(picker);
    HelpRouter::setTopic(picker, desc.helpTopic);
    // The weekday box is shown, not typed into: clicking it lands in its picker.
    auto* weekday = new QLineEdit(page);
    weekday->setObjectName(desc.dayName);
    weekday->setReadOnly(true);
    weekday->setFocusPolicy(Qt::ClickFocus);
    weekday->setFocusProxy(picker);
    // Wide enough for the longest weekday name and the box's frame.
    weekday->setFixedWidth(weekday->fontMetrics().horizontalAdvance(QStringLiteral("Wednesday")) +
                           12);
    auto* cell = new QHBoxLayout;
    cell->setSpacing(6);
    cell->addWidget(weekday);
    cell->addWidget(picker, 1);
    grid.addWidget(label, row, 0);
    grid.addLayout(cell, row, 1);
    const std::size_t index = m_dates.size();
    connect(picker, &QDateEdit::dateChanged, this, [this, index] {
        showWeekday(index);
        inputChanged();
    });
    m_dateLabels.push_back(label);
    m_dates.push_back(picker);
    m_dayBoxes.push_back(weekday);
}

void TCalcWindow::buildOptionsPage(QWidget* page) {
    OptionControls& o = *m_options;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(9);

    o.opens = new QGroupBox(page);
    o.lastEntered = new QRadioButton(o.opens);
    o.lastEntered->setObjectName(QStringLiteral("rbLastEntered"));
    o.defaults = new QRadioButton(o.opens);
    o.defaults->setObjectName(QStringLiteral("rbDefaults"));
    auto* opensLayout = new QVBoxLayout(o.opens);
    opensLayout->addWidget(o.lastEntered);
    opensLayout->addWidget(o.defaults);

    o.defaultsAre = new QGroupBox(page);
    o.localDefaults = new QRadioButton(o.defaultsAre);
    o.localDefaults->setObjectName(QStringLiteral("rbLocal"));
    o.globalDefaults = new QRadioButton(o.defaultsAre);
    o.globalDefaults->setObjectName(QStringLiteral("rbGlobal"));
    o.publishers = new QRadioButton(o.defaultsAre);
    o.publishers->setObjectName(QStringLiteral("rbPublishers"));
    auto* defaultsLayout = new QHBoxLayout(o.defaultsAre);
    defaultsLayout->addWidget(o.localDefaults);
    defaultsLayout->addWidget(o.globalDefaults);
    defaultsLayout->addWidget(o.publishers);
    defaultsLayout->addStretch(1);

    o.local = new QGroupBox(page);
    auto* grid = new QGridLayout(o.local);
    grid->setColumnStretch(0, 1);
    o.rateLabel = new QLabel(o.local);
    o.rateLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    o.rate = new TqvNumEdit(o.local);
    o.rate->setObjectName(QStringLiteral("oedDefaultRate"));
    ApplyFieldFormat(*o.rate, CalcFormat::Rate, 2, masksFor(CalcFormat::Rate));
    o.rate->setAcceptNegatives(false);
    o.rateLabel->setBuddy(o.rate);
    HelpRouter::setTopic(o.rate, m_desc.defaultRateHelpTopic);
    grid->addWidget(o.rateLabel, 0, 0);
    grid->addWidget(o.rate, 0, 1);
    int row = 1;
    for (const CalcChoiceSpec& desc : m_desc.optionChoices) {
        auto* label = new QLabel(o.local);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* box = new QComboBox(o.local);
        box->setObjectName(desc.name);
        label->setBuddy(box);
        HelpRouter::setTopic(box, desc.helpTopic);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        ++row;
        o.labels.push_back(label);
        o.choices.push_back(box);
    }

    layout->addWidget(o.opens);
    layout->addWidget(o.defaultsAre);
    layout->addWidget(o.local);
    layout->addStretch(1);

    for (QRadioButton* choice :
         {o.lastEntered, o.defaults, o.localDefaults, o.globalDefaults, o.publishers})
        connect(choice, &QRadioButton::clicked, this, &TCalcWindow::applyEnablingRules);
}

QWidget* TCalcWindow::buildButtons() {
    auto* box = new QWidget(this);
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(6);
    struct ButtonDef {
        const char* name;
        const char* caption;
        const char* hint;
        int topic;
        void (TCalcWindow::*slot)();
    };
    const char* printHint =
        m_desc.printHint != nullptr ? m_desc.printHint : calctext::kPrintScheduleHint;
    // The calculation's buttons on the first row, output, help and close on the second.
    const ButtonDef calculation[] = {
        {"btnCalc", calctext::kCalc, calctext::kCalcHint, calctext::kCalcTopic, &TCalcWindow::calc},
        {"btnUndo", calctext::kUndo, calctext::kUndoHint, calctext::kUndoTopic, &TCalcWindow::undo},
        {"btnReset", calctext::kReset, calctext::kResetHint, calctext::kResetTopic,
         &TCalcWindow::reset},
    };
    const ButtonDef output[] = {
        {"btnPrint", calctext::kPrint, printHint, calctext::kPrintTopic, &TCalcWindow::print},
        {"btnCopy", calctext::kCopy, calctext::kCopyHint, calctext::kCopyTopic, &TCalcWindow::copy},
        {"btnHelp", calctext::kHelp, calctext::kHelpHint, calctext::kHelpTopic,
         &TCalcWindow::showHelp},
        {"btnClose", calctext::kClose, calctext::kCloseHint, calctext::kCloseTopic,
         &TCalcWindow::closeWindow},
    };
    auto addRow = [&](std::span<const ButtonDef> defs) {
        auto* row = new QHBoxLayout;
        row->setSpacing(6);
        for (const ButtonDef& def : defs) {
            auto* button = new QPushButton(Text(def.caption), box);
            button->setObjectName(Text(def.name));
            button->setAutoDefault(false);
            HelpRouter::setTopic(button, def.topic);
            connect(button, &QPushButton::clicked, this, def.slot);
            row->addWidget(button, 1);
            m_buttonHints.emplace_back(button, def.hint);
        }
        rows->addLayout(row);
    };
    addRow(calculation);
    addRow(output);
    // The print hint names Ctrl+P as well.
    auto* printKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    connect(printKey, &QShortcut::activated, this, &TCalcWindow::print);
    return box;
}

void TCalcWindow::chainTabOrder() {
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        if (m_desc.fields[i].role != CalcRole::Result)
            chain(m_edits[i]);
    for (QDateEdit* picker : m_dates)
        chain(picker);
    for (QComboBox* box : m_choices)
        chain(box);
    for (const auto& [button, hint] : m_buttonHints)
        chain(button);
    chain(m_tabs);
    previous = nullptr;
    OptionControls& o = *m_options;
    for (QWidget* widget :
         {static_cast<QWidget*>(o.lastEntered), static_cast<QWidget*>(o.defaults),
          static_cast<QWidget*>(o.localDefaults), static_cast<QWidget*>(o.globalDefaults),
          static_cast<QWidget*>(o.publishers), static_cast<QWidget*>(o.rate)})
        chain(widget);
    for (QComboBox* box : o.choices)
        chain(box);
}
