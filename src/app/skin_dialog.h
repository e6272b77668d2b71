#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QFrame;
class QLabel;
class TSkinEngine;

namespace calvora {
class TAppInfoXML;
}

// "Select Skin": the skins beside the program (or any other skin file), a live preview,
// OK to take the chosen skin, Cancel to put the stored one back.
class TfrmSkin : public QDialog {
    Q_OBJECT

public:
    TfrmSkin(calvora::TAppInfoXML& settings, TSkinEngine& skins, QWidget* parent = nullptr);

    QComboBox* skinBox() const { return m_box; }
    QString candidatePath() const { return m_candidatePath; }
    // True after OK with an existing skin file chosen.
    bool skinChosen() const { return m_chosen; }

    void accept() override;
    void reject() override;

private:
    void choose(const QString& fileName);
    void chooseOtherSkin();
    void showPreview(const QString& path);
    void storeHasSkinned(bool on);

    calvora::TAppInfoXML& m_settings;
    TSkinEngine& m_skins;
    QString m_folder;
    QString m_candidateName;
    QString m_candidatePath;
    bool m_chosen = false;
    QComboBox* m_box = nullptr;
    QLabel* m_selected = nullptr;
    QLabel* m_picture = nullptr;
    QFrame* m_sample = nullptr;
};
