#include "app/printer_form.h"

#include "app/help_router.h"
#include "app/printer_catalog.h"
#include "app/user_prompts.h"
#include "persistence/app_info_xml.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSetPrinter::TfrmSetPrinter(calvora::TAppInfoXML& settings, const PrinterCatalog& printers,
                               QWidget* parent)
    : QDialog(parent)
    , m_settings(settings) {
    setObjectName(QStringLiteral("frmSetPrinter"));
    setWindowTitle(QStringLiteral("Set Calvora's Default Printer"));
    HelpRouter::setTopic(this, kHelpTopicPrinterSetup);

    auto* group = new QGroupBox(this);
    auto* form = new QFormLayout;
    m_systemDefault = new QLabel(group);
    m_systemDefault->setObjectName(QStringLiteral("lSystemDefault"));
    m_programDefault = new QLabel(group);
    m_programDefault->setObjectName(QStringLiteral("lCalvoraDefault"));
    form->addRow(QStringLiteral("Windows's Default Printer:"), m_systemDefault);
    form->addRow(QStringLiteral("Calvora's Default Printer:"), m_programDefault);
    m_list = new QListWidget(group);
    m_list->setObjectName(QStringLiteral("lbPrinters"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(form);
    groupLayout->addWidget(m_list);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("btnHelp"));
    HelpRouter::setTopic(help, kHelpTopicPrinterSetup);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [] { HelpRouter::instance().showTopic(kHelpTopicPrinterSetup); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    resize(420, 320);

    m_list->addItems(printers.printerNames());
    const QString systemDefault = printers.defaultPrinterName();
    m_systemDefault->setText(systemDefault.isEmpty() ? QStringLiteral("(none)") : systemDefault);
    const QString stored = QString::fromStdString(m_settings.Fields().DefaultPrinter);
    m_programDefault->setText(stored);
    const QString selected = SelectReportPrinter(printers, stored);
    if (!selected.isEmpty()) {
        const QList<QListWidgetItem*> found = m_list->findItems(selected, Qt::MatchExactly);
        if (!found.isEmpty())
            m_list->setCurrentItem(found.first());
    }
}

void TfrmSetPrinter::accept() {
    const QListWidgetItem* item = m_list->currentItem();
    if (item != nullptr && item->isSelected()) {
        try {
            m_settings.Set(calvora::appkeys::DefaultPrinter, item->text().toStdString());
        } catch (const std::exception& error) {
            UserPrompts::current().fail(this, QString::fromUtf8(error.what()));
            return;
        }
    }
    QDialog::accept();
}
