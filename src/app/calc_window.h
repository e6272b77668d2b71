#pragma once

#include "app/calc_field.h"
#include "app/calc_window_binding.h"
#include "app/tool_window.h"
#include "persistence/app_info_xml.h"

#include <array>
#include <memory>
#include <vector>

#include <QSize>
#include <QString>

class QAbstractButton;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class TqvNumEdit;

namespace calvora {
class TMasks;
} // namespace calvora

// What makes one calculator window: its title and settings section, sizes and help topic,
// the numeric fields and drop-down lists of its Calculator page, and the local defaults of
// its Options page. Labels are indices into the records' captions, which the buffer gives.
struct CalcWindowSpec {
    QString title;   // "Loan Calculator"
    QString section; // settings section, also the position key without its copy number
    QSize resetSize; // outer size of the reset-size command, at 96 pixels per inch
    int minimumHeight = 450;
    int helpTopic = 0;
    std::vector<CalcFieldSpec> fields;
    // Date pickers, between the typed inputs and the lists.
    std::vector<CalcDateSpec> dates;
    std::vector<CalcChoiceSpec> choices;
    // Options page: the default rate's caption (options record label) and topic, then the
    // local default lists (labels of the options record).
    int defaultRateLabel = -1;
    int defaultRateHelpTopic = 0;
    std::vector<CalcChoiceSpec> optionChoices;
    // Solved-field markers and the results-fresh rule.
    bool markers = true;
    // Status bar: the values record caption shown before the assumed loan date; -1 none.
    int statusLabel = -1;
    const char* printHint = nullptr;
    // Regional masks reach the money fields only; rates and counts keep their design.
    bool maskMoneyOnly = false;
};

// The shared calculator window: a Calculator page of numeric edits and lists, an Options
// page with the opening choice and the local defaults, the seven buttons and a status bar,
// all built from a CalcWindowSpec round one buffer. The window only moves values between
// its controls and the buffer's records; every number comes from the buffer.
class TCalcWindow : public TToolWindow {
    Q_OBJECT

public:
    enum Page { CalculatorPage = 0, OptionsPage = 1 };

    TCalcWindow(QWidget* owner, CalcWindowSpec desc, std::unique_ptr<TCalcWindowBinding> binding,
                calvora::TAppInfoXML& settings, const calvora::TMasks* masks);
    ~TCalcWindow() override;

    void setupWindow(const ToolWindowSetup& setup) override;

    const CalcWindowSpec& desc() const { return m_desc; }
    QString positionKey() const;
    bool resultsFresh() const { return m_fresh; }
    // The LastSolved code whose marker shows; 0 when none does.
    int shownMarker() const;
    QString statusText() const;
    TqvNumEdit* field(const QString& name) const;
    QComboBox* choice(const QString& name) const;
    QDateEdit* datePicker(const QString& name) const;
    TCalcWindowBinding& binding() { return *m_binding; }

    // The default outer size scaled to the screen's pixels per inch.
    QSize defaultSize() const;

public slots:
    void calc();
    void undo();
    void reset();
    void print();
    void copy();
    void showHelp();
    void closeWindow();
    void resetToDefaultSize();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // Fields into the window's values record and on to the buffer; false (with the
    // message shown) when a count does not fit its record field.
    virtual bool sendFields();
    // The window's values record into the fields.
    virtual void showValues();

    TqvNumEdit* edit(std::size_t field) const { return m_edits.at(field); }
    QDateEdit* dateEdit(std::size_t index) const { return m_dates.at(index); }

private:
    struct OptionControls;

    void buildCalculatorPage(QWidget* page);
    void addDatePicker(QGridLayout& grid, int row, const CalcDateSpec& desc);
    void showWeekday(std::size_t index);
    const calvora::TMasks* masksFor(CalcFormat format) const;
    std::string dateMask() const;
    void buildOptionsPage(QWidget* page);
    QWidget* buildButtons();
    void chainTabOrder();
    void applyTexts();
    void refreshStatus();
    void applyHints();
    void showOptions();
    void collectOptions();
    void storeOptions();
    void loadShownOptions();
    void applyEnablingRules();
    void showMarkers();
    void inputChanged();
    void pageChanged(int index);
    void focusFirstInput();
    void openOnFirstShow();
    calvora::TBounds readBounds(const QString& key) const;
    void raiseUseCounter();
    // Runs an action of the buffer; an error is shown in a message box. False on error.
    template <class Action>
    bool guarded(Action action);

    CalcWindowSpec m_desc;
    std::unique_ptr<TCalcWindowBinding> m_binding;
    calvora::TAppInfoXML& m_settings;
    const calvora::TMasks* m_masks;

    QTabWidget* m_tabs = nullptr;
    std::vector<TqvNumEdit*> m_edits;
    std::vector<QLabel*> m_fieldLabels;
    std::vector<QLabel*> m_markers;
    std::vector<QComboBox*> m_choices;
    std::vector<QLabel*> m_choiceLabels;
    std::vector<QDateEdit*> m_dates;
    std::vector<QLineEdit*> m_dayBoxes;
    std::vector<QLabel*> m_dateLabels;
    std::vector<QLabel*> m_helpTexts;
    QStatusBar* m_statusBar = nullptr;
    QLabel* m_status = nullptr;
    std::unique_ptr<OptionControls> m_options;
    std::vector<std::pair<QAbstractButton*, const char*>> m_buttonHints;

    calvora::TBounds m_designBounds;
    calvora::TBounds m_bounds;
    bool m_boundsApplied = false;
    bool m_opened = false;
    bool m_fresh = false;
    int m_page = CalculatorPage;
};
