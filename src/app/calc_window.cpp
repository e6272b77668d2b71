#include "app/calc_window.h"

#include "app/calc_window_controls.h"
#include "app/calc_window_output.h"
#include "app/calc_window_texts.h"
#include "app/help_router.h"
#include "app/num_edit.h"
#include "app/ui_text.h"
#include "app/user_prompts.h"
#include "finance/date_math.h"
#include "persistence/date_pattern.h"
#include "persistence/masks_unit.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <span>

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

using calcwin::Text;

namespace {

// Group captions carry one blank on each side, as the group frames show them.
QString GroupCaption(const char* text) {
    return QLatin1Char(' ') + Text(text) + QLatin1Char(' ');
}

QStringList Items(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items)
        list << Text(item);
    return list;
}

// Selects a row the list offers; any other row selects none.
void SelectRow(QComboBox& box, int row) {
    box.setCurrentIndex(row >= 0 && row < box.count() ? row : -1);
}

// The rows and selection the buffer gives, without counting as a change of the user's.
void FillChoice(QComboBox& box, const std::vector<std::string>& items, int row) {
    const QSignalBlocker block(&box);
    box.clear();
    box.addItems(Items(items));
    box.setMaxVisibleItems(std::max(1, box.count()));
    SelectRow(box, row);
}

void SetMarkerColour(QLabel& marker, const QColor& colour) {
    QPalette palette = marker.palette();
    palette.setColor(QPalette::WindowText, colour);
    marker.setPalette(palette);
}

// Pixels per inch of the screen the window opens on, over the 96 the sizes are given in.
double ScreenScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() / 96.0 : 1.0;
}

QSize ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize(1024, 768);
}

int ScaledPixels(int pixels, double scale) {
    // Platform rounding of pixel sizes is half to even.
    return static_cast<int>(std::nearbyint(pixels * scale));
}

} // namespace

TCalcWindow::TCalcWindow(QWidget* owner, CalcWindowSpec desc,
                         std::unique_ptr<TCalcWindowBinding> binding,
                         calvora::TAppInfoXML& settings, const calvora::TMasks* masks)
    : TToolWindow(owner)
    , m_desc(std::move(desc))
    , m_binding(std::move(binding))
    , m_settings(settings)
    , m_masks(masks)
    , m_options(std::make_unique<OptionControls>()) {
    setObjectName(m_desc.section);
    // The reset-size command; desktop shells offer no portable system menu, so the window
    // carries it in its own context menu.
    auto* resetSize = new QAction(UiText(Text(calctext::kResetSize)), this);
    connect(resetSize, &QAction::triggered, this, &TCalcWindow::resetToDefaultSize);
    addAction(resetSize);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("pgcCalc"));
    auto* calculatorPage = new QWidget;
    auto* optionsPage = new QWidget;
    buildCalculatorPage(calculatorPage);
    buildOptionsPage(optionsPage);
    m_tabs->addTab(calculatorPage, Text(calctext::kCalculatorPage));
    m_tabs->addTab(optionsPage, Text(calctext::kOptionsPage));
    connect(m_tabs, &QTabWidget::currentChanged, this, &TCalcWindow::pageChanged);

    m_statusBar = new QStatusBar(this);
    m_statusBar->setSizeGripEnabled(true);
    m_status = new QLabel(m_statusBar);
    m_status->setObjectName(QStringLiteral("lStatus"));
    m_statusBar->addWidget(m_status, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(9, 9, 9, 9);
    body->setSpacing(9);
    body->addWidget(m_tabs, 1);
    body->addWidget(buildButtons());
    layout->addLayout(body, 1);
    layout->addWidget(m_statusBar);
    chainTabOrder();

    HelpRouter::setTopic(this, m_desc.helpTopic);

    const QString caption = m_desc.title + QStringLiteral(" 1");
    setWindowTitle(caption);
    m_binding->setTitle(ToStd(caption));
    raiseUseCounter();

    const double scale = ScreenScale();
    const QSize size = defaultSize();
    resize(size);
    setMinimumHeight(ScaledPixels(m_desc.minimumHeight, scale));
    // With nothing stored the window opens a little below and right of its owner.
    const QPoint origin =
        owner != nullptr ? owner->frameGeometry().topLeft() + QPoint(40, 40) : QPoint(20, 20);
    m_designBounds = {origin.x(), origin.y(), size.width(), size.height()};
    m_bounds = readBounds(positionKey());
    m_fresh = false;
}

TCalcWindow::~TCalcWindow() {
    // The controls are freed after this object's own parts; a field losing the focus while
    // the window is torn down must not call back into it.
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
}

QSize TCalcWindow::defaultSize() const {
    const double scale = ScreenScale();
    return {ScaledPixels(m_desc.resetSize.width(), scale),
            ScaledPixels(m_desc.resetSize.height(), scale)};
}

QString TCalcWindow::positionKey() const {
    return m_desc.section + QString::number(copyNumber());
}

void TCalcWindow::raiseUseCounter() {
    const std::string section = ToStd(m_desc.section);
    std::int32_t runs = 0;
    try {
        runs = m_settings.ReadInteger(section, "RunTimes", 0);
    } catch (const std::exception&) {
        // An unreadable counter starts again.
    }
    m_settings.WriteInteger(section, "RunTimes", runs + 1);
}

calvora::TBounds TCalcWindow::readBounds(const QString& key) const {
    const QSize screen = ScreenSize();
    return m_settings.ReadBounds(ToStd(key), m_designBounds, screen.width(), screen.height());
}

// ---- the main window's protocol -------------------------------------------------------------

void TCalcWindow::setupWindow(const ToolWindowSetup& setup) {
    ToolWindowSetup stored = setup;
    stored.copy = setup.copy == 2 ? 2 : 1;
    // The base stores the setup and shows the window; the caption and bounds come first.
    const QString caption = m_desc.title + QLatin1Char(' ') + QString::number(stored.copy);
    setWindowTitle(caption);
    m_binding->setTitle(ToStd(caption));
    if (stored.restorePositions)
        m_bounds = readBounds(m_desc.section + QString::number(stored.copy));
    TToolWindow::setupWindow(stored);
}

void TCalcWindow::showEvent(QShowEvent* event) {
    if (!m_boundsApplied) {
        m_boundsApplied = true;
        move(m_bounds.Left, m_bounds.Top);
        resize(m_bounds.Width, std::max(m_bounds.Height, minimumHeight()));
    }
    TToolWindow::showEvent(event);
    if (!m_opened) {
        m_opened = true;
        openOnFirstShow();
    }
}

void TCalcWindow::openOnFirstShow() {
    m_tabs->setCurrentIndex(CalculatorPage);
    focusFirstInput();
    m_binding->getTexts();
    applyTexts();
    loadShownOptions();
    guarded([this] { m_binding->openValues(); });
    m_binding->getOptions();
    showOptions();
    m_binding->getTransfer();
    showValues();
    showMarkers();
    applyHints();
}

void TCalcWindow::applyTexts() {
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        m_fieldLabels[i]->setText(Text(m_binding->label(m_desc.fields[i].label)));
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        const int index = static_cast<int>(i);
        m_choiceLabels[i]->setText(Text(m_binding->label(m_desc.choices[i].label)));
        FillChoice(*m_choices[i], m_binding->choiceItems(index), m_binding->choice(index));
    }
    for (std::size_t i = 0; i < m_dates.size(); ++i) {
        m_dateLabels[i]->setText(Text(m_binding->label(m_desc.dates[i].label)));
        showWeekday(i);
    }
    for (QLabel* help : m_helpTexts)
        help->setText(Text(calctext::kUnknownHelp));
    refreshStatus();
    OptionControls& o = *m_options;
    o.opens->setTitle(GroupCaption(calctext::kOpensGroup));
    o.defaultsAre->setTitle(GroupCaption(calctext::kDefaultsGroup));
    o.local->setTitle(GroupCaption(calctext::kLocalGroup));
    o.lastEntered->setText(Text(calctext::kLastEntered));
    o.defaults->setText(Text(calctext::kDefaults));
    o.localDefaults->setText(Text(calctext::kLocal));
    o.globalDefaults->setText(Text(calctext::kGlobal));
    o.publishers->setText(Text(calctext::kPublishers));
    o.rateLabel->setText(Text(m_binding->optionLabel(m_desc.defaultRateLabel)));
    for (std::size_t i = 0; i < o.choices.size(); ++i) {
        const int index = static_cast<int>(i);
        o.labels[i]->setText(Text(m_binding->optionLabel(m_desc.optionChoices[i].label)));
        FillChoice(*o.choices[i], m_binding->optionChoiceItems(index),
                   m_binding->optionChoice(index));
    }
    m_tabs->setTabText(CalculatorPage, Text(calctext::kCalculatorPage));
    m_tabs->setTabText(OptionsPage, Text(calctext::kOptionsPage));
}

void TCalcWindow::refreshStatus() {
    if (m_desc.statusLabel < 0) {
        m_status->clear();
        return;
    }
    const std::string date = calvora::FormatDateText(m_settings.AssumedStartDate(),
                                                     m_settings.Regional().ShortDateFormat);
    m_status->setText(QLatin1Char(' ') + Text(m_binding->label(m_desc.statusLabel)) +
                      QLatin1Char(' ') + Text(date));
}

void TCalcWindow::applyHints() {
    for (const auto& [button, hint] : m_buttonHints)
        button->setToolTip(setup().showButtonHints ? UiText(Text(hint)) : QString());
}

// ---- values ----------------------------------------------------------------------------------

bool TCalcWindow::sendFields() {
    std::vector<long double> values(m_edits.size());
    for (std::size_t i = 0; i < m_edits.size(); ++i) {
        const CalcFieldSpec& desc = m_desc.fields[i];
        if (desc.role == CalcRole::Result)
            continue;
        long double value = m_edits[i]->numericValue();
        if (desc.format == CalcFormat::Count)
            value = WholeCount(value, desc.roundCount);
        if (desc.count16 && !FitsCount16(value)) {
            UserPrompts::current().fail(this, Text(calctext::kOutOfRange));
            m_edits[i]->setFocus();
            return false;
        }
        values[i] = value;
    }
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        if (m_desc.fields[i].role != CalcRole::Result)
            m_binding->setNumber(static_cast<int>(i), values[i]);
    for (std::size_t i = 0; i < m_dates.size(); ++i)
        m_binding->setDate(static_cast<int>(i), FromQDate(m_dates[i]->date()));
    for (std::size_t i = 0; i < m_choices.size(); ++i)
        m_binding->setChoice(static_cast<int>(i), m_choices[i]->currentIndex(),
                             ToStd(m_choices[i]->currentText()));
    m_binding->setTransfer();
    return true;
}

void TCalcWindow::showValues() {
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        m_edits[i]->setNumericValue(m_binding->number(static_cast<int>(i)));
    for (std::size_t i = 0; i < m_dates.size(); ++i)
        m_dates[i]->setDate(ToQDate(m_binding->date(static_cast<int>(i))));
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        SelectRow(*m_choices[i], m_binding->choice(static_cast<int>(i)));
    }
}

template <class Action>
bool TCalcWindow::guarded(Action action) {
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        UserPrompts::current().fail(this, QString::fromUtf8(error.what()));
        return false;
    }
}

void TCalcWindow::calc() {
    if (!sendFields())
        return;
    // On an error the fields keep what was typed, and the marker stays as it was.
    if (!guarded([this] { m_binding->calculate(); }))
        return;
    m_binding->getTransfer();
    showValues();
    refreshStatus();
    m_binding->publishLatest();
    m_fresh = true;
    showMarkers();
}

void TCalcWindow::undo() {
    m_binding->getTransfer();
    showValues();
}

void TCalcWindow::reset() {
    guarded([this] { m_binding->reset(); });
    m_binding->getOptions();
    showOptions();
    m_binding->getTransfer();
    showValues();
    m_tabs->setCurrentIndex(CalculatorPage);
    focusFirstInput();
}

void TCalcWindow::print() {
    if (!sendFields())
        return;
    guarded([this] {
        CalcWindowOutput::current().printReport(this, m_binding->reportPages(),
                                                m_binding->printerConfig(),
                                                Text(m_binding->printerName()), windowTitle());
    });
}

void TCalcWindow::copy() {
    if (!sendFields())
        return;
    guarded([this] { CalcWindowOutput::current().copyText(Text(m_binding->clipboardText())); });
}

void TCalcWindow::closeWindow() {
    close();
}

void TCalcWindow::showHelp() {
    HelpRouter::instance().showTopic(m_desc.helpTopic);
}

void TCalcWindow::resetToDefaultSize() {
    showNormal();
    resize(defaultSize());
}

// ---- markers ---------------------------------------------------------------------------------

int TCalcWindow::shownMarker() const {
    for (std::size_t i = 0; i < m_markers.size(); ++i)
        if (!m_markers[i]->isHidden())
            return m_desc.fields[i].marker;
    return 0;
}

QString TCalcWindow::statusText() const {
    return m_status->text();
}

TqvNumEdit* TCalcWindow::field(const QString& name) const {
    return findChild<TqvNumEdit*>(name);
}

QComboBox* TCalcWindow::choice(const QString& name) const {
    return findChild<QComboBox*>(name);
}

QDateEdit* TCalcWindow::datePicker(const QString& name) const {
    return findChild<QDateEdit*>(name);
}

void TCalcWindow::showWeekday(std::size_t index) {
    const calvora::TDateTime date = FromQDate(m_dates.at(index)->date());
    m_dayBoxes.at(index)->setText(Text(calvora::TcalcDateMathEx::WeekdayName(date)));
}

const calvora::TMasks* TCalcWindow::masksFor(CalcFormat format) const {
    return m_desc.maskMoneyOnly && format != CalcFormat::Money ? nullptr : m_masks;
}

std::string TCalcWindow::dateMask() const {
    if (m_masks != nullptr)
        return m_masks->DateMask();
    return calvora::TMasks::BuildDateMask(m_settings.Regional().ShortDateFormat);
}

void TCalcWindow::showMarkers() {
    const int solved = m_binding->lastSolved();
    for (std::size_t i = 0; i < m_markers.size(); ++i) {
        QLabel& marker = *m_markers[i];
        const int code = m_desc.fields[i].marker;
        const bool shown = m_desc.markers && code != 0 && code == solved;
        SetMarkerColour(marker, m_fresh ? QColor(Qt::darkGreen) : QColor(Qt::red));
        marker.setVisible(shown);
    }
}

void TCalcWindow::inputChanged() {
    if (!m_desc.markers)
        return;
    m_fresh = false;
    showMarkers();
}

// ---- options page ----------------------------------------------------------------------------

void TCalcWindow::loadShownOptions() {
    guarded([this] { m_binding->loadOptions(); });
    m_binding->getOptions();
    showOptions();
}

void TCalcWindow::showOptions() {
    OptionControls& o = *m_options;
    const CalcSwitches switches = m_binding->switches();
    o.lastEntered->setChecked(switches.lastEntered);
    o.defaults->setChecked(switches.defaults);
    o.localDefaults->setChecked(switches.local);
    o.globalDefaults->setChecked(switches.global);
    o.publishers->setChecked(switches.publishers);
    o.rate->setValue(m_binding->defaultRate());
    for (std::size_t i = 0; i < o.choices.size(); ++i) {
        SelectRow(*o.choices[i], m_binding->optionChoice(static_cast<int>(i)));
    }
    applyEnablingRules();
}

void TCalcWindow::collectOptions() {
    OptionControls& o = *m_options;
    CalcSwitches switches;
    switches.lastEntered = o.lastEntered->isChecked();
    switches.defaults = o.defaults->isChecked();
    switches.local = o.localDefaults->isChecked();
    switches.global = o.globalDefaults->isChecked();
    switches.publishers = o.publishers->isChecked();
    m_binding->setSwitches(switches);
    m_binding->setDefaultRate(static_cast<float>(o.rate->numericValue()));
    for (std::size_t i = 0; i < o.choices.size(); ++i)
        m_binding->setOptionChoice(static_cast<int>(i), o.choices[i]->currentIndex(),
                                   ToStd(o.choices[i]->currentText()));
}

void TCalcWindow::storeOptions() {
    collectOptions();
    m_binding->setOptions();
    m_binding->saveOptions();
}

void TCalcWindow::applyEnablingRules() {
    OptionControls& o = *m_options;
    const bool defaults = o.defaults->isChecked();
    o.defaultsAre->setEnabled(defaults);
    o.local->setEnabled(defaults && o.localDefaults->isChecked());
}

void TCalcWindow::pageChanged(int index) {
    const int left = m_page;
    m_page = index;
    if (left == OptionsPage && index == CalculatorPage)
        storeOptions();
    else if (index == OptionsPage)
        loadShownOptions();
}

void TCalcWindow::focusFirstInput() {
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        if (m_desc.fields[i].role != CalcRole::Result) {
            m_edits[i]->setFocus();
            return;
        }
}

// ---- closing ---------------------------------------------------------------------------------

void TCalcWindow::keyPressEvent(QKeyEvent* event) {
    // Esc reaches the window only when no edit used it to take back its typing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    TToolWindow::keyPressEvent(event);
}

void TCalcWindow::closeEvent(QCloseEvent* event) {
    if (m_tabs->currentIndex() == OptionsPage)
        storeOptions();
    // The values the buffer last took (Calc, Print or Copy), not edits since then.
    if (m_binding->switches().lastEntered)
        m_binding->saveLastEntered();
    if (setup().savePositions)
        m_settings.WriteBounds(ToStd(positionKey()), {x(), y(), width(), height()});
    m_binding->releaseLatest();
    TToolWindow::closeEvent(event);
}
