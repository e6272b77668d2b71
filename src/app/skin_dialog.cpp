#include "app/skin_dialog.h"

#include "app/help_router.h"
#include "app/num_edit.h"
#include "app/skin_engine.h"
#include "app/user_prompts.h"
#include "persistence/app_info_xml.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace appkeys = calvora::appkeys;

namespace {

const QString kRelativeSkins = QStringLiteral("./skins/");

QString StoredPath(const calvora::TAppInfoXML& settings) {
    const auto& fields = settings.Fields();
    return TSkinEngine::skinFilePath(QString::fromStdString(fields.SkinPath),
                                     QString::fromStdString(fields.SkinName));
}

} // namespace

TfrmSkin::TfrmSkin(calvora::TAppInfoXML& settings, TSkinEngine& skins, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_skins(skins)
    , m_folder(TSkinEngine::programSkinsFolder()) {
    setObjectName(QStringLiteral("frmSkin"));
    setWindowTitle(QStringLiteral("Select Skin"));
    HelpRouter::setTopic(this, kHelpTopicSkins);

    auto* layout = new QVBoxLayout(this);
    auto* menu = new QMenuBar(this);
    menu->addAction(QStringLiteral("Other skins..."), this, &TfrmSkin::chooseOtherSkin);
    layout->setMenuBar(menu);

    m_box = new QComboBox(this);
    m_box->setObjectName(QStringLiteral("cbxSkins"));
    m_box->setPlaceholderText(QStringLiteral("Change Skins"));
    m_box->addItems(TSkinEngine::skinFiles(m_folder));
    m_box->setCurrentIndex(-1);
    m_selected = new QLabel(this);
    m_selected->setObjectName(QStringLiteral("lSelectedSkin"));
    auto* form = new QFormLayout;
    form->addRow(m_box);
    form->addRow(QStringLiteral("Selected Skin"), m_selected);
    layout->addLayout(form);
    auto* hint =
        new QLabel(QStringLiteral("You may use the up/down arrow keys to change skins. "), this);
    hint->setEnabled(false);
    layout->addWidget(hint);

    // A live sample of the skin: a few of the controls the calculators use.
    m_sample = new QFrame(this);
    m_sample->setObjectName(QStringLiteral("skinSample"));
    m_sample->setFrameShape(QFrame::StyledPanel);
    m_sample->setAutoFillBackground(true);
    auto* sampleLayout = new QVBoxLayout(m_sample);
    auto* group = new QGroupBox(QStringLiteral(" Loan "), m_sample);
    auto* sampleForm = new QFormLayout(group);
    auto* amount = new TqvNumEdit(group);
    amount->setFormats(9, 2, QStringLiteral("\\c"), QString());
    amount->setValue(250000);
    auto* rate = new TqvNumEdit(group);
    rate->setFormats(2, 4, QString(), QStringLiteral("%"));
    rate->setValue(6.5);
    auto* period = new QComboBox(group);
    period->addItems({QStringLiteral("Monthly"), QStringLiteral("Weekly")});
    sampleForm->addRow(QStringLiteral("&Amount of Loan?:"), amount);
    sampleForm->addRow(QStringLiteral("Annual &Rate?:"), rate);
    sampleForm->addRow(QStringLiteral("Payme&nt Period?:"), period);
    sampleForm->addRow(new QCheckBox(QStringLiteral("Show Hints"), group));
    sampleLayout->addWidget(group);
    auto* sampleButtons = new QHBoxLayout;
    sampleButtons->addStretch(1);
    sampleButtons->addWidget(new QPushButton(QStringLiteral("&Calc"), m_sample));
    sampleButtons->addWidget(new QPushButton(QStringLiteral("Close"), m_sample));
    sampleLayout->addLayout(sampleButtons);
    layout->addWidget(m_sample, 1);
    m_picture = new QLabel(this);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->hide();
    layout->addWidget(m_picture);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmSkin::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmSkin::reject);
    connect(help, &QPushButton::clicked, this,
            [] { HelpRouter::instance().showTopic(kHelpTopicSkins); });
    layout->addWidget(buttons);

    const QString stored = StoredPath(m_settings);
    if (!stored.isEmpty() && QFileInfo(stored).isFile()) {
        const QString name = QFileInfo(stored).fileName();
        m_selected->setText(name);
        m_box->setCurrentIndex(m_box->findText(name));
        showPreview(stored);
    } else {
        showPreview(QString());
    }
    connect(m_box, &QComboBox::currentTextChanged, this, &TfrmSkin::choose);
    resize(380, 440);
}

void TfrmSkin::choose(const QString& fileName) {
    const QString path = QDir(m_folder).filePath(fileName);
    if (!fileName.isEmpty() && QFileInfo(path).isFile()) {
        m_selected->setText(fileName);
        m_candidateName = fileName;
        m_candidatePath = path;
        showPreview(path);
    } else {
        m_selected->clear();
        showPreview(QString());
    }
}

void TfrmSkin::chooseOtherSkin() {
    QString start = QString::fromStdString(m_settings.Fields().SkinPath);
    if (QDir::isRelativePath(start))
        start = QDir(QCoreApplication::applicationDirPath()).filePath(start);
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Other skins"), start,
                                                      QStringLiteral("All files (*.skn)"));
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    m_folder = info.absolutePath() + QLatin1Char('/');
    m_candidateName = info.fileName();
    m_candidatePath = info.absoluteFilePath();
    m_selected->setText(m_candidateName);
    showPreview(m_candidatePath);
    storeHasSkinned(true);
}

void TfrmSkin::showPreview(const QString& path) {
    std::optional<SkinData> skin;
    if (!path.isEmpty()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly | QIODevice::Text))
            skin = TSkinEngine::parseSkin(QString::fromUtf8(file.readAll()));
    }
    m_sample->setStyleSheet(skin ? skin->styleSheet : QString());
    m_sample->setPalette(skin && skin->hasPalette ? skin->palette : palette());
    const QString picture = path.isEmpty()
                                ? QString()
                                : QFileInfo(path).path() + QLatin1Char('/') +
                                      QFileInfo(path).completeBaseName() + QStringLiteral(".jpg");
    const QPixmap pixmap(picture);
    m_picture->setPixmap(pixmap.isNull() ? QPixmap()
                                         : pixmap.scaledToWidth(320, Qt::SmoothTransformation));
    m_picture->setVisible(!pixmap.isNull());
}

void TfrmSkin::storeHasSkinned(bool on) {
    try {
        m_settings.Set(appkeys::HasSkinned, on);
    } catch (const std::exception& error) {
        UserPrompts::current().fail(this, QString::fromUtf8(error.what()));
    }
}

void TfrmSkin::accept() {
    if (!m_candidatePath.isEmpty() && QFileInfo(m_candidatePath).isFile() &&
        m_skins.loadSkinFile(m_candidatePath)) {
        m_chosen = true;
        const bool besideProgram = QDir(m_folder) == QDir(TSkinEngine::programSkinsFolder());
        try {
            m_settings.Set(appkeys::SkinPath,
                           (besideProgram ? kRelativeSkins : m_folder).toStdString());
            m_settings.Set(appkeys::SkinName, m_candidateName.toStdString());
        } catch (const std::exception& error) {
            UserPrompts::current().fail(this, QString::fromUtf8(error.what()));
        }
        storeHasSkinned(true);
    }
    QDialog::accept();
}

void TfrmSkin::reject() {
    const QString stored = StoredPath(m_settings);
    const bool keep =
        !stored.isEmpty() && QFileInfo(stored).isFile() && m_skins.loadSkinFile(stored);
    if (keep)
        m_skins.setActive(true);
    else
        m_skins.setActive(false);
    storeHasSkinned(keep);
    QDialog::reject();
}
