#include "receipts/tfrmstamparicevuta.h"

#include "app/modal.h"
#include "app/programfolder.h"
#include "app/screens.h"
#include "output/reportoutput.h"
#include "storage/receiptlayout.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>

ReceiptReport::Values ReceiptOutputDialog::editorValues(const QWidget *editor)
{
    ReceiptReport::Values values;
    if (!editor)
        return values;
    for (const Field &field : ReceiptLayout::layout().fields()) {
        const QWidget *control = editor->findChild<QWidget *>(field.control);
        QString text;
        if (const auto *edit = qobject_cast<const QLineEdit *>(control))
            text = edit->text();
        else if (const auto *label = qobject_cast<const QLabel *>(control))
            text = label->text();
        else if (const auto *combo = qobject_cast<const QComboBox *>(control))
            text = combo->currentText();
        else if (const auto *plain = qobject_cast<const QPlainTextEdit *>(control))
            text = plain->toPlainText();
        else if (const auto *rich = qobject_cast<const QTextEdit *>(control))
            text = rich->toPlainText();
        else
            continue; // the paid box is not printed
        values.insert(field.name, text);
    }
    return values;
}

ReceiptOutputDialog::ReceiptOutputDialog(const QString &name, ReceiptReport::Variant variant, const QString &title,
                                         const QStringList &explanation, const QString &action, QWidget *parent)
    : DialogScreen(name, parent)
    , m_report(ReceiptReport::layout(variant))
    , m_variant(variant)
    , m_imgLogo(new QLabel(this))
    , m_imgTemp(new QLabel(this))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    m_imgLogo->setObjectName(QStringLiteral("imgLogo"));
    m_imgLogo->hide();
    m_imgTemp->setObjectName(QStringLiteral("imgTemp"));
    m_imgTemp->setPixmap(QPixmap::fromImage(ReceiptReport::defaultLogo()));
    m_imgTemp->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    auto *heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("lblTitolo"));
    QFont headingFont = heading->font();
    headingFont.setPointSize(13);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    layout->addWidget(heading);
    layout->addSpacing(8);
    for (int i = 0; i < explanation.size(); ++i) {
        auto *line = new QLabel(explanation.at(i), this);
        line->setObjectName(QStringLiteral("lblRigo%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        layout->addWidget(line);
    }
    layout->addStretch();
    auto *buttons = new QHBoxLayout;
    auto *actionButton = new QPushButton(action, this);
    actionButton->setObjectName(QStringLiteral("btnStampa"));
    actionButton->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    cancel->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(actionButton);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(actionButton, &QPushButton::clicked, this, [this] { act(); });
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    setFixedSize(360, 290);
}

const QWidget *ReceiptOutputDialog::editor() const
{
    if (parentWidget() && parentWidget()->objectName() == u"TfrmRicevute")
        return parentWidget();
    if (Screens::exists())
        return Screens::instance().work(QStringLiteral("TfrmRicevute"));
    return nullptr;
}

void ReceiptOutputDialog::showEvent(QShowEvent *event)
{
    DialogScreen::showEvent(event);
    loadLogo();
}

void ReceiptOutputDialog::loadLogo()
{
    // Logo.bmp of the program folder; whatever keeps it from loading, the
    // built-in logo takes its place, without a message.
    m_logo = ReceiptReport::logo();
    m_imgLogo->setPixmap(QPixmap::fromImage(m_logo));
}

void ReceiptOutputDialog::fill()
{
    if (m_logo.isNull())
        loadLogo();
    m_report = ReceiptReport::filled(m_variant, editorValues(editor()), m_logo);
}

namespace {

QString errorText(const std::exception &error)
{
    if (const auto *report = dynamic_cast<const ReportError *>(&error))
        return report->message();
    return QString::fromLocal8Bit(error.what());
}

} // namespace

TfrmStampaRicevuta::TfrmStampaRicevuta(QWidget *parent)
    : ReceiptOutputDialog(QStringLiteral("TfrmStampaRicevuta"), ReceiptReport::Variant::Print,
                          QStringLiteral("Stampa ricevuta corrente"),
                          {QStringLiteral("Questa operazione provvederà a"),
                           QStringLiteral("stampare la ricevuta corrente su carta"),
                           QStringLiteral("con i dati immessi dall'utente."), QStringLiteral("Premere il pulsante Stampa per"),
                           QStringLiteral("dare avvio alla stampa oppure"), QStringLiteral("premere Annulla per annullare"),
                           QStringLiteral("l'operazione.")},
                          QStringLiteral("Stampa"), parent)
{
}

void TfrmStampaRicevuta::act()
{
    try {
        fill();
        ReportOutput::print(this, m_report); // a cancelled print dialog prints nothing
    } catch (const std::exception &error) {
        Modal::error(this, errorText(error));
        return;
    }
    close();
}

TfrmAnteprimaRicevuta::TfrmAnteprimaRicevuta(QWidget *parent)
    : ReceiptOutputDialog(QStringLiteral("TfrmAnteprimaRicevuta"), ReceiptReport::Variant::Preview,
                          QStringLiteral("Anteprima di stampa"),
                          {QStringLiteral("Questa operazione consente di"),
                           QStringLiteral("visualizzare in anteprima i dati che"), QStringLiteral("appariranno in stampa."),
                           QStringLiteral("Fare clic su Mostra anteprima"), QStringLiteral("per visualizzare il documento"),
                           QStringLiteral("sullo schermo prima di eseguire"), QStringLiteral("la stampa su carta.")},
                          QStringLiteral("Mostra anteprima"), parent)
{
}

void TfrmAnteprimaRicevuta::act()
{
    try {
        fill();
        ReportOutput::preview(this, m_report);
    } catch (const std::exception &error) {
        Modal::error(this, errorText(error));
        return;
    }
    close();
}

TfrmPDF_Ricevuta::TfrmPDF_Ricevuta(QWidget *parent)
    : ReceiptOutputDialog(QStringLiteral("TfrmPDF_Ricevuta"), ReceiptReport::Variant::Pdf,
                          QStringLiteral("Esporta in PDF"),
                          {QStringLiteral("Questa operazione provvederà a"),
                           QStringLiteral("esportare in formato PDF il documento"),
                           QStringLiteral("con i dati immessi nei campi di testo."),
                           QStringLiteral("Premere il pulsante Crea PDF"), QStringLiteral("per esportare il documento in"),
                           QStringLiteral("un file PDF oppure fare clic su"),
                           QStringLiteral("Annulla se si desidera annullare"), QStringLiteral("l'operazione.")},
                          QStringLiteral("Crea PDF"), parent)
{
}

void TfrmPDF_Ricevuta::act()
{
    const QString target = ProgramFolder::file(QStringLiteral("Ricevuta.pdf"));
    try {
        fill();
        ReportRenderer::writePdf(ReportRenderer::prepare(m_report), target, ReceiptReport::pdfInfo());
    } catch (const std::exception &error) {
        Modal::error(this, QStringLiteral("Impossibile creare il file %1.\r\n\r\n%2").arg(target, errorText(error)));
        return;
    }
    if (Modal::askYesNo(this, QStringLiteral("L'esportazione della scheda in PDF è terminata con successo.\r\n\r\n"
                                             "Si vuole aprire il file?"))) {
        Modal::instance().openInShell(QUrl::fromLocalFile(target));
        close();
    }
}
