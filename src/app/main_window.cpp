#include "app/main_window.h"

#include "app/app_dialogs.h"
#include "app/data_file_kind.h"
#include "app/help_router.h"
#include "app/launch_catalog.h"
#include "app/printer_catalog.h"
#include "app/printer_form.h"
#include "app/skin_dialog.h"
#include "app/skin_engine.h"
#include "app/ui_text.h"
#include "app/user_prompts.h"
#include "persistence/app_info_xml.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

using calvora::TAppInfoXML;
namespace appkeys = calvora::appkeys;

namespace {

constexpr std::string_view kBoundsSection = "MainForm";
constexpr int kDesignWidth = 624;
constexpr int kDesignHeight = 442;
constexpr int kDefaultLeft = 0;
constexpr int kDefaultTop = 0;
constexpr int kDefaultWidth = 680;
constexpr int kDefaultHeight = 400;

constexpr const char* kMakerHomepage = "https://www.brindlemoor.example/";
constexpr const char* kProductHomepage = "https://www.brindlemoor.example/calvora/";
constexpr const char* kSupportForum = "https://forum.brindlemoor.example/";
constexpr const char* kSupportAddress = "support@brindlemoor.example";
constexpr const char* kWhatsNewAddress = "whatsnew@brindlemoor.example";
constexpr const char* kVersion = "3.0d";

const QString kMaximumReached = QStringLiteral("Maximum number of this calculator displayed.");
const QString kUnsupportedFile = QStringLiteral(
    "Data file was created with an unsupported version.\r\rOr unrecognized file type.");

struct OptionEntry {
    TfrmCalvoraMain::Option option;
    const char* caption;
    const calvora::TAppInfoKey<bool>& key;
};

const OptionEntry kOptionEntries[] = {
    {TfrmCalvoraMain::Option::ShowHints, "Show Hints", appkeys::ShowHints},
    {TfrmCalvoraMain::Option::ShowButtonHints, "Show Button Hints", appkeys::ShowBtnHints},
    {TfrmCalvoraMain::Option::ShowToolbarHints, "Show Toolbar Hints", appkeys::ShowToolBarHints},
    {TfrmCalvoraMain::Option::SavePositions, "Save Positions", appkeys::SaveCalculatorPos},
    {TfrmCalvoraMain::Option::RestorePositions, "Restore Positions", appkeys::RestoreCalcPos},
    {TfrmCalvoraMain::Option::GradientBackground, "Gradient Background", appkeys::ColorBackground},
};

const OptionEntry& EntryOf(TfrmCalvoraMain::Option option) {
    return kOptionEntries[static_cast<int>(option)];
}

// The main window's client area: a soft gradient behind the launchers while Gradient
// Background is on, the plain window colour otherwise.
class LaunchBackground : public QWidget {
public:
    using QWidget::QWidget;
    void setGradient(bool on) {
        m_gradient = on;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QColor window = palette().color(QPalette::Window);
        if (!m_gradient) {
            p.fillRect(rect(), window);
            return;
        }
        const QColor accent = palette().color(QPalette::Highlight);
        QLinearGradient shade(rect().topLeft(), rect().bottomRight());
        const bool dark = window.lightness() < 128;
        shade.setColorAt(0, dark ? window.lighter(120) : window.lighter(106));
        shade.setColorAt(1, QColor((window.red() * 5 + accent.red()) / 6,
                                   (window.green() * 5 + accent.green()) / 6,
                                   (window.blue() * 5 + accent.blue()) / 6));
        p.fillRect(rect(), shade);
    }

private:
    bool m_gradient = true;
};

// Restores the cursor however the opening of a window ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString Std(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

MainWindowBounds MainWindowStartBounds(const TAppInfoXML& settings, bool restore,
                                       const QRect& current, const QSize& screen) {
    if (!restore)
        return {QRect(kDefaultLeft, kDefaultTop, kDefaultWidth, kDefaultHeight), 0};
    const calvora::TBounds stored = settings.ReadBounds(
        kBoundsSection, {current.x(), current.y(), current.width(), current.height()},
        screen.width(), screen.height());
    return {QRect(stored.Left, stored.Top, stored.Width, stored.Height), kDesignHeight};
}

TfrmCalvoraMain::TfrmCalvoraMain(TAppInfoXML& settings, TSkinEngine& skins, QSize screen,
                                 QWidget* parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_skins(skins)
    , m_screen(screen) {
    setObjectName(QStringLiteral("frmCalvoraMain"));
    if (m_screen.isEmpty() && QGuiApplication::primaryScreen() != nullptr)
        m_screen = QGuiApplication::primaryScreen()->geometry().size();
    setWindowTitle(AppTitle());
    setWindowIcon(LaunchIcon(ToolKind::Loan));
    HelpRouter::setTopic(this, kHelpTopicMainWindow);

    buildMenus();
    setCentralWidget(buildLaunchers());
    buildStatusBar();
    resize(kDesignWidth, kDesignHeight);

    m_startBounds = MainWindowStartBounds(m_settings, isOptionChecked(Option::RestorePositions),
                                          geometry(), m_screen);
    applyStoredSkin();
    setAcceptDrops(true);
    m_pendingDataFile.clear();
    applyButtonHints();
    updateMenuStates();
}

TfrmCalvoraMain::~TfrmCalvoraMain() = default;

// ---- building -----------------------------------------------------------------------------

void TfrmCalvoraMain::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Printer setup..."), this, &TfrmCalvoraMain::printerSetup);
    file->addSeparator();
    file->addAction(QStringLiteral("Exit"), this, &QWidget::close);

    QMenu* calculators = menuBar()->addMenu(QStringLiteral("&Calculators"));
    QMenu* schedules = menuBar()->addMenu(QStringLiteral("&Schedules"));
    QMenu* advisers = menuBar()->addMenu(QStringLiteral("&Advisers"));
    for (const LaunchEntry& entry : LaunchEntries()) {
        QMenu* menu = entry.group == LaunchGroup::Loan        ? calculators
                      : entry.group == LaunchGroup::Schedules ? schedules
                                                              : advisers;
        QAction* action = menu->addAction(LaunchIcon(entry.kind), QString::fromUtf8(entry.menu));
        const ToolKind kind = entry.kind;
        connect(action, &QAction::triggered, this, [this, kind] { openWindow(kind); });
        action->setEnabled(ToolWindowRegistry::has(kind));
        m_launchActions[static_cast<std::size_t>(kind)] = action;
    }

    QMenu* preferences = menuBar()->addMenu(QStringLiteral("&Preferences"));
    auto addDialog = [this](QMenu* menu, const QString& caption, AppDialog dialog) {
        QAction* action = menu->addAction(caption, this,
                                          [this, dialog] { AppDialogRegistry::run(dialog, this); });
        action->setEnabled(AppDialogRegistry::has(dialog));
    };
    auto addOption = [this](QMenu* menu, Option option) {
        const OptionEntry& entry = EntryOf(option);
        QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
        action->setCheckable(true);
        action->setChecked(m_settings.Fields().*(entry.key.Field));
        connect(action, &QAction::triggered, this, [this, option] { toggleOption(option); });
        m_options[static_cast<std::size_t>(option)] = action;
    };
    addDialog(preferences, QStringLiteral("Assumed Start Date..."), AppDialog::AssumedStartDate);
    addDialog(preferences, QStringLiteral("Global Options..."), AppDialog::GlobalOptions);
    addOption(preferences, Option::GradientBackground);
    preferences->addAction(QStringLiteral("Printer Font..."), this,
                           &TfrmCalvoraMain::choosePrinterFont);
    addDialog(preferences, QStringLiteral("Reset Options..."), AppDialog::ResetOptions);
    preferences->addAction(QStringLiteral("R&eset to default size"), this,
                           &TfrmCalvoraMain::resetToDefaultSize);
    preferences->addSeparator();
    addOption(preferences, Option::RestorePositions);
    addOption(preferences, Option::ShowButtonHints);
    addOption(preferences, Option::ShowHints);
    addOption(preferences, Option::SavePositions);
    addOption(preferences, Option::ShowToolbarHints);

    QMenu* skinsMenu = menuBar()->addMenu(QStringLiteral("S&kins"));
    skinsMenu->addAction(QStringLiteral("Select Skins..."), this, &TfrmCalvoraMain::selectSkins);
    m_unskin = skinsMenu->addAction(QStringLiteral("UnSkin"), this, &TfrmCalvoraMain::unskin);

    m_windowsMenu = menuBar()->addMenu(QStringLiteral("&Windows"));
    m_windowsMenu->installEventFilter(this);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("Contents..."), this,
                    [] { HelpRouter::instance().showContents(); });
    help->addAction(QStringLiteral("Topic Search..."), this,
                    [] { HelpRouter::instance().showIndex(QString()); });
    help->addAction(QStringLiteral("Help on Help..."), this,
                    [] { HelpRouter::instance().showTopic(kHelpTopicHelpOnHelp); });
    help->addSeparator();
    help->addAction(QStringLiteral("Brindlemoor's Homepage..."), this,
                    [this] { openWebPage(kMakerHomepage); });
    help->addAction(QStringLiteral("Calvora' Homepage"), this,
                    [this] { openWebPage(kProductHomepage); });
    help->addAction(QStringLiteral("Support Groups Homepage..."), this,
                    [this] { openWebPage(kSupportForum); });
    help->addAction(QStringLiteral("Prepare an e-mail to support..."), this,
                    &TfrmCalvoraMain::mailSupport);
    help->addAction(QStringLiteral("What's new via email..."), this,
                    &TfrmCalvoraMain::mailWhatsNew);
    help->addSeparator();
    addDialog(help, QStringLiteral("Tips..."), AppDialog::Tips);
    help->addSeparator();
    addDialog(help, QStringLiteral("About..."), AppDialog::About);
}

QWidget* TfrmCalvoraMain::buildLaunchers() {
    auto* background = new LaunchBackground(this);
    m_background = background;
    background->setGradient(isOptionChecked(Option::GradientBackground));

    auto* outer = new QVBoxLayout(background);
    outer->setContentsMargins(18, 14, 18, 12);
    outer->setSpacing(12);

    auto* title = new QLabel(QStringLiteral("Calvora"), background);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* subtitle =
        new QLabel(QStringLiteral("Loan analysis: calculators, schedules and advice"), background);
    subtitle->setObjectName(QStringLiteral("lblSubtitle"));
    subtitle->setForegroundRole(QPalette::PlaceholderText);
    auto* heading = new QVBoxLayout;
    heading->setSpacing(0);
    heading->addWidget(title);
    heading->addWidget(subtitle);
    outer->addLayout(heading);

    auto makeButton = [this](const LaunchEntry& entry, QWidget* parent) {
        auto* button = new QToolButton(parent);
        button->setObjectName(QString::fromUtf8(entry.objectName));
        button->setText(QString::fromUtf8(entry.button));
        button->setIcon(LaunchIcon(entry.kind));
        button->setIconSize(QSize(28, 28));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setMinimumHeight(std::max(40, button->sizeHint().height()));
        button->setEnabled(ToolWindowRegistry::has(entry.kind));
        HelpRouter::setTopic(button, entry.helpTopic);
        const ToolKind kind = entry.kind;
        connect(button, &QToolButton::clicked, this, [this, kind] { openWindow(kind); });
        m_launchButtons[static_cast<std::size_t>(kind)] = button;
        return button;
    };

    auto* loanBox = new QGroupBox(QStringLiteral(" Loan "), background);
    loanBox->setObjectName(QStringLiteral("gbLoan"));
    auto* loanGrid = new QGridLayout(loanBox);
    loanGrid->setSpacing(8);
    auto* scheduleBox = new QGroupBox(QStringLiteral("  Schedules - Cash Flows "), background);
    scheduleBox->setObjectName(QStringLiteral("gbSchedules"));
    auto* scheduleLayout = new QVBoxLayout(scheduleBox);
    auto* adviserBox = new QGroupBox(QStringLiteral(" Advisers "), background);
    adviserBox->setObjectName(QStringLiteral("gbAdvisers"));
    auto* adviserLayout = new QVBoxLayout(adviserBox);

    int loanIndex = 0;
    for (const LaunchEntry& entry : LaunchEntries()) {
        switch (entry.group) {
        case LaunchGroup::Loan: {
            // Top to bottom in two columns: the first four left, the rest right.
            const int row = loanIndex % 4;
            const int column = loanIndex / 4;
            loanGrid->addWidget(makeButton(entry, loanBox), row, column);
            ++loanIndex;
            break;
        }
        case LaunchGroup::Schedules:
            scheduleLayout->addWidget(makeButton(entry, scheduleBox));
            break;
        case LaunchGroup::Advisers:
            adviserLayout->addWidget(makeButton(entry, adviserBox));
            break;
        }
    }

    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    columns->addWidget(loanBox, 2);
    auto* right = new QVBoxLayout;
    right->setSpacing(12);
    right->addWidget(scheduleBox);
    right->addWidget(adviserBox);
    right->addStretch(1);
    columns->addLayout(right, 1);
    outer->addLayout(columns);
    outer->addStretch(1);
    return background;
}

void TfrmCalvoraMain::buildStatusBar() {
    const QString texts[3] = {QStringLiteral("Calvora v.3.0d 01/03/2010"), QString(),
                              QStringLiteral("\u00a9 Brindlemoor Software")};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(texts[i], statusBar());
        panel->setObjectName(QStringLiteral("statusPanel%1").arg(i + 1));
        panel->setContentsMargins(4, 0, 4, 0);
        statusBar()->addWidget(panel, i == 2 ? 1 : 0);
        m_statusPanels[static_cast<std::size_t>(i)] = panel;
    }
    statusBar()->installEventFilter(this);
    layoutStatusPanels();
}

QLabel* TfrmCalvoraMain::statusPanel(int index) const {
    return m_statusPanels.at(static_cast<std::size_t>(index));
}

void TfrmCalvoraMain::layoutStatusPanels() {
    const int width = statusBar()->width();
    m_statusPanels[0]->setFixedWidth(static_cast<int>(width * 0.3525641025641025641));
    m_statusPanels[1]->setFixedWidth(static_cast<int>(width * 0.19230769230769230769));
}

// ---- options ------------------------------------------------------------------------------

bool TfrmCalvoraMain::isOptionChecked(Option option) const {
    const QAction* action = m_options[static_cast<std::size_t>(option)];
    if (action != nullptr)
        return action->isChecked();
    return m_settings.Fields().*(EntryOf(option).key.Field);
}

QAction* TfrmCalvoraMain::optionAction(Option option) const {
    return m_options[static_cast<std::size_t>(option)];
}

QAction* TfrmCalvoraMain::launchAction(ToolKind kind) const {
    return m_launchActions[static_cast<std::size_t>(kind)];
}

QToolButton* TfrmCalvoraMain::launchButton(ToolKind kind) const {
    return m_launchButtons[static_cast<std::size_t>(kind)];
}

void TfrmCalvoraMain::writeOption(Option option, bool value) {
    try {
        m_settings.Set(EntryOf(option).key, value);
    } catch (const std::exception& error) {
        UserPrompts::current().fail(this, QString::fromUtf8(error.what()));
    }
}

void TfrmCalvoraMain::toggleOption(Option option) {
    QAction* action = optionAction(option);
    // A menu click has already flipped the mark; a call from code flips it here.
    const bool fromMenu = sender() == action;
    if (!fromMenu)
        action->setChecked(!action->isChecked());
    writeOption(option, action->isChecked());
    if (option == Option::ShowButtonHints)
        applyButtonHints();
    if (option == Option::GradientBackground)
        static_cast<LaunchBackground*>(m_background)->setGradient(action->isChecked());
}

void TfrmCalvoraMain::applyButtonHints() {
    const bool show = isOptionChecked(Option::ShowButtonHints);
    for (const LaunchEntry& entry : LaunchEntries()) {
        QToolButton* button = launchButton(entry.kind);
        button->setToolTip(show ? UiText(std::string_view(entry.hint)) : QString());
    }
}

// ---- window table -------------------------------------------------------------------------

TToolWindow* TfrmCalvoraMain::openWindow(ToolKind kind) {
    const int copy = m_table.firstFreeCopy(kind);
    if (copy == 0) {
        UserPrompts::current().inform(this, kMaximumReached);
        return nullptr;
    }
    if (!ToolWindowRegistry::has(kind))
        return nullptr;
    WaitCursor wait;
    WindowSlot& slot = m_table.slot(kind, copy);
    TToolWindow* window = ToolWindowRegistry::create(kind, this);
    if (window == nullptr)
        return nullptr;
    slot.window = window;
    ToolWindowSetup setup;
    setup.copy = copy;
    setup.slot = &slot;
    setup.showButtonHints = isOptionChecked(Option::ShowButtonHints);
    setup.restorePositions = isOptionChecked(Option::RestorePositions);
    setup.savePositions = isOptionChecked(Option::SavePositions);
    const bool takesFiles = kind == ToolKind::Amortization || kind == ToolKind::Refinance;
    if (takesFiles) {
        setup.pendingDataFile = m_pendingDataFile;
        setup.showToolbarHints = isOptionChecked(Option::ShowToolbarHints);
        setup.showHints = isOptionChecked(Option::ShowHints);
    }
    window->setupWindow(setup);
    if (takesFiles)
        m_pendingDataFile.clear();
    window->addToWindowsMenu(m_windowsMenu);
    return window;
}

void TfrmCalvoraMain::openDataFile(const QString& path) {
    try {
        const std::optional<ToolKind> kind = DataFileKind(path);
        if (!kind || !ToolWindowRegistry::has(*kind))
            throw std::runtime_error("unsupported data file");
        m_pendingDataFile = path;
        openWindow(*kind);
    } catch (const std::exception&) {
        UserPrompts::current().fail(this, kUnsupportedFile);
    }
    m_pendingDataFile.clear();
}

void TfrmCalvoraMain::dropFiles(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    m_pendingDataFile = paths.first();
    openDataFile(m_pendingDataFile);
}

void TfrmCalvoraMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TfrmCalvoraMain::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    dropMimeData(*event->mimeData());
}

void TfrmCalvoraMain::dropMimeData(const QMimeData& data) {
    QStringList paths;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    dropFiles(paths);
}

// ---- lifecycle ----------------------------------------------------------------------------

void TfrmCalvoraMain::showEvent(QShowEvent* event) {
    if (!m_boundsApplied) {
        m_boundsApplied = true;
        if (m_startBounds.minimumHeight > 0)
            setMinimumHeight(std::min(m_startBounds.minimumHeight, m_screen.height()));
        resize(m_startBounds.rect.size());
        move(m_startBounds.rect.topLeft());
    }
    applyButtonHints();
    QMainWindow::showEvent(event);
}

void TfrmCalvoraMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, &TfrmCalvoraMain::firstActivation);
}

void TfrmCalvoraMain::firstActivation() {
    if (m_firstActivation) {
        m_firstActivation = false;
        AppDialogRegistry::run(AppDialog::Tips, this);
    }
    if (!m_pendingDataFile.isEmpty())
        openDataFile(m_pendingDataFile);
}

void TfrmCalvoraMain::closeEvent(QCloseEvent* event) {
    if (isOptionChecked(Option::SavePositions)) {
        const QRect normal =
            isMaximized() || isMinimized() ? normalGeometry() : QRect(pos(), size());
        try {
            m_settings.WriteBounds(kBoundsSection,
                                   {normal.x(), normal.y(), normal.width(), normal.height()});
        } catch (const std::exception& error) {
            UserPrompts::current().fail(this, QString::fromUtf8(error.what()));
        }
    }
    QMainWindow::closeEvent(event);
}

bool TfrmCalvoraMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_windowsMenu &&
        (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionRemoved)) {
        // The removed action is still counted while its event is delivered.
        QTimer::singleShot(0, this, &TfrmCalvoraMain::updateMenuStates);
        updateMenuStates();
    }
    if (watched == statusBar() && event->type() == QEvent::Resize)
        layoutStatusPanels();
    return QMainWindow::eventFilter(watched, event);
}

void TfrmCalvoraMain::updateMenuStates() {
    int items = 0;
    for (QAction* action : m_windowsMenu->actions())
        items += action->isSeparator() ? 0 : 1;
    m_windowsMenu->menuAction()->setEnabled(items > 0);
    m_unskin->setEnabled(m_settings.Fields().HasSkinned);
}

void TfrmCalvoraMain::resetToDefaultSize() {
    showNormal();
    resize(kDesignWidth, kDesignHeight);
}

// ---- skins --------------------------------------------------------------------------------

void TfrmCalvoraMain::applyStoredSkin() {
    const auto& fields = m_settings.Fields();
    if (!fields.SkinName.empty()) {
        const QString path = TSkinEngine::skinFilePath(Std(fields.SkinPath), Std(fields.SkinName));
        if (fields.HasSkinned && QFileInfo(path).isFile() && m_skins.loadSkinFile(path)) {
            m_skins.setActive(false);
            m_skins.setActive(true);
        } else {
            m_skins.setActive(false);
        }
    }
    try {
        m_settings.Set(appkeys::HasSkinned, m_skins.isActive());
    } catch (const std::exception& error) {
        UserPrompts::current().fail(this, QString::fromUtf8(error.what()));
    }
    SetSkinFaceColor(m_skins.faceColor());
}

void TfrmCalvoraMain::refreshSkinState() {
    SetSkinFaceColor(m_skins.faceColor());
    updateMenuStates();
    m_background->update();
}

void TfrmCalvoraMain::selectSkins() {
    TfrmSkin dialog(m_settings, m_skins, this);
    if (dialog.exec() == QDialog::Accepted && !m_skins.skinFile().isEmpty()) {
        m_skins.setActive(true);
        m_skins.applyToAllWindows();
    }
    refreshSkinState();
}

void TfrmCalvoraMain::unskin() {
    m_skins.setActive(false);
    try {
        m_settings.Set(appkeys::SkinPath, "./skins/");
        m_settings.Set(appkeys::SkinName, "");
        m_settings.Set(appkeys::HasSkinned, false);
    } catch (const std::exception& error) {
        UserPrompts::current().fail(this, QString::fromUtf8(error.what()));
    }
    refreshSkinState();
    m_unskin->setEnabled(false);
}

// ---- printing -----------------------------------------------------------------------------

void TfrmCalvoraMain::choosePrinterFont() {
    const auto& fields = m_settings.Fields();
    QFont current(Std(fields.PrinterFontName),
                  fields.PrinterFontSize > 0 ? fields.PrinterFontSize : 10);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, current, this, QStringLiteral("Printer Font"));
    if (!ok)
        return;
    try {
        m_settings.Set(appkeys::PrinterFontName, chosen.family().toStdString());
        m_settings.Set(appkeys::PrinterFontSize, static_cast<std::int32_t>(chosen.pointSize()));
    } catch (const std::exception& error) {
        UserPrompts::current().fail(this, QString::fromUtf8(error.what()));
    }
}

void TfrmCalvoraMain::printerSetup() {
    TfrmSetPrinter dialog(m_settings, SystemPrinters(), this);
    dialog.exec();
}

// ---- help menu ----------------------------------------------------------------------------

void TfrmCalvoraMain::openWebPage(const char* url) {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(url)));
}

namespace {

void OpenMail(const QString& address, const QString& subject, const QString& body) {
    QUrl url(QStringLiteral("mailto:") + address);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), subject);
    query.addQueryItem(QStringLiteral("body"), body);
    url.setQuery(query);
    QDesktopServices::openUrl(url);
}

} // namespace

void TfrmCalvoraMain::mailSupport() {
    const QString confirm = QStringLiteral(
        "This will open your default email program and start\r\nan email to our support group. "
        "You'll enter your\r\nquestion or comment, review the email and send.\r\n\r\nThis will "
        "probably not work for \"AOL\" users and\r\nother Web based email programs such as "
        "Hotmail.\r\n\r\nContinue?");
    const QString address = QString::fromLatin1(kSupportAddress);
    if (UserPrompts::current().ask(this, confirm, QMessageBox::Yes | QMessageBox::No,
                                   QMessageBox::Yes)) {
        OpenMail(address, QStringLiteral("Support Question: Calvora"),
                 QStringLiteral("Calvora 3.0d\n\nPlease enter your question below.\n\n"
                                "Please provide a specific example when possible.\n\n"
                                "Use a calculator's copy feature so you can paste your results "
                                "from a calculation into this email."));
        return;
    }
    const QString blank = QStringLiteral("\r\n\r\n");
    UserPrompts::current().inform(
        this,
        QStringLiteral("If you are using \"AOL\" or a Web based\r\nemail program and you want to "
                       "send an e-mail to us,\r\nplease send it to:") +
            blank + address + blank +
            QStringLiteral(
                "Please don't forget to tell us the name of the program\r\nand the version you "
                "are running. Note: we publish 3 programs\r\nthat have an amortization schedule! "
                "We have to know which\r\nprogram you are asking about :-)\r\n\r\nPlease also "
                "state your question clearly.\r\n\r\nFYI: if you are writing about this "
                "program, it is called:") +
            blank + QStringLiteral("Calvora  Version: ") + QString::fromLatin1(kVersion));
}

void TfrmCalvoraMain::mailWhatsNew() {
    const QString blank = QStringLiteral("\r\r");
    const QString support = QString::fromLatin1(kSupportAddress);
    const QString responder = QString::fromLatin1(kWhatsNewAddress);
    const QString text =
        QStringLiteral("Your e-mail program will be opened\r\nwith an address to an "
                       "autoresponder.\r\nIf you send the message, you'll soon\r\nhave a reply "
                       "back which will provide\r\nthe latest information about Calvora.") +
        blank +
        QStringLiteral("Just click on your [Send] button.\r\nTry it. It's a great way to stay "
                       "up-to-date.\r\n\r\nPlease do not include a message!\r\nWe can't read "
                       "them when they are\r\nsent to this address. Use this\r\nsupport email "
                       "address instead:") +
        blank + support + blank +
        QStringLiteral("If you use AOL or a Web based e-mail program,\r\nthen your email program "
                       "will not automatically start.\r\nPlease simply send an e-mail to this "
                       "address:") +
        blank + responder + blank;
    if (UserPrompts::current().ask(this, text, QMessageBox::Ok | QMessageBox::Cancel,
                                   QMessageBox::Ok))
        OpenMail(responder, QStringLiteral("Calvora: What's New?"),
                 QStringLiteral("Don't add a message!\n\nJust send this one and you'll receive an "
                                "up to date \"What's New\" sheet back in your e-mail in a few "
                                "minutes."));
}
