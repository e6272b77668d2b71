#pragma once

// Shared helpers of the desktop program's tests: a settings store in a temporary folder
// and prompts that answer for the user.
#include "app/user_prompts.h"
#include "persistence/app_info_xml.h"

#include <memory>

#include <QStringList>
#include <QTemporaryDir>

class TempSettings {
public:
    TempSettings() { reopen(); }

    calvora::TAppInfoXML& store() { return *m_store; }
    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
    // Reads the file again, as the next run of the program would.
    calvora::TAppInfoXML& reopen() {
        m_store.reset();
        calvora::TAppInfoEnvironment environment;
        environment.AppFolder = folder().toStdString();
        environment.Regional = calvora::TRegionalSettings::UnitedStates();
        environment.Owner = &m_owner;
        environment.Today = 46000; // 8 December 2025
        m_store = std::make_unique<calvora::TAppInfoXML>(environment);
        return *m_store;
    }

private:
    QTemporaryDir m_dir;
    calvora::TFixedSystemOwner m_owner{"Pat Example", "Example Co"};
    std::unique_ptr<calvora::TAppInfoXML> m_store;
};

// Records every message instead of showing it; questions get `answer`.
class RecordingPrompts : public UserPrompts {
public:
    RecordingPrompts() { UserPrompts::install(this); }
    ~RecordingPrompts() override { UserPrompts::install(nullptr); }

    void inform(QWidget*, const QString& text) override { informed << text; }
    void warn(QWidget*, const QString& text) override { warned << text; }
    void fail(QWidget*, const QString& text) override { failed << text; }
    bool ask(QWidget*, const QString& text, QMessageBox::StandardButtons,
             QMessageBox::StandardButton) override {
        asked << text;
        return answer;
    }

    QStringList informed;
    QStringList warned;
    QStringList failed;
    QStringList asked;
    bool answer = false;
};
