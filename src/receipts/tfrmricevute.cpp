#include "receipts/tfrmricevute.h"

#include "access/guidetopics.h"
#include "access/tfrmguida.h"
#include "app/modal.h"
#include "app/picture.h"
#include "app/screens.h"
#include "receipts/receiptcalc.h"
#include "receipts/receiptsettings.h"
#include "receipts/ricevutecontrols.h"
#include "receipts/ricevutemapping.h"
#include "storage/receiptlayout.h"
#include "storage/recordfile.h"
#include "tables/checkdialog.h"
#include "text/dates.h"
#include "text/fieldbehaviour.h"
#include "text/texthelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

using namespace ReceiptLayout;

namespace {

QString lineSuffix(int line)
{
    return QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0'));
}

// The province lists upper-case their text on every key, as the tax-code
// fields do through their field behaviour.
const char *const kUpperCased[] = {"txtProvDitta", "txtProvCliente"};

} // namespace

TfrmRicevute::TfrmRicevute(QWidget *parent)
    : WorkScreen(QStringLiteral("TfrmRicevute"), parent)
{
    RicevuteControls::build(this);
    RicevuteControls::wireKeys(this);
    m_map = std::make_unique<ReceiptScreenMap>(this);
    m_pages = findChild<QStackedWidget *>(QStringLiteral("stkPagine"));
    m_info = label("panInfo");
    connectCommands();
    showPage(1);
}

TfrmRicevute::~TfrmRicevute() = default;

QLineEdit *TfrmRicevute::edit(const char *name) const
{
    return findChild<QLineEdit *>(QString::fromLatin1(name));
}

QLabel *TfrmRicevute::label(const char *name) const
{
    return findChild<QLabel *>(QString::fromLatin1(name));
}

QString TfrmRicevute::archivePath() const
{
    return Text::trim(label("lblFile")->text());
}

void TfrmRicevute::connectCommands()
{
    auto onClick = [this](const QString &name, auto &&action) {
        if (auto *picture = findChild<Picture *>(name))
            connect(picture, &Picture::clicked, this, action);
        else if (auto *button = findChild<QPushButton *>(name))
            connect(button, &QPushButton::clicked, this, action);
        else
            Q_ASSERT_X(false, "TfrmRicevute", qPrintable(name));
    };
    auto on = [&](const char *name, auto &&action) { onClick(QString::fromLatin1(name), action); };

    on("cmdNuovo", [this] { newReceipt(); });
    on("cmdSalva", [this] { save(); });
    on("cmdTrova", [this] { openDialog("TfrmTrovaRicevute", QStringLiteral("ricevute")); });
    on("cmdSospese", [this] { openDialog("TfrmSospese"); });
    on("cmdImporta", [this] { openDialog("TfrmTrovaClienti", QStringLiteral("ric_conto")); });
    on("impCliente", [this] { openDialog("TfrmTrovaClienti", QStringLiteral("ric_anagrafica")); });
    on("cmdAnteprima", [this] { openDialog("TfrmAnteprimaRicevuta"); });
    on("cmdStampa", [this] { openDialog("TfrmStampaRicevuta"); });
    on("cmdPDF", [this] { openDialog("TfrmPDF_Ricevuta"); });
    on("cmdPrimo", [this] { first(); });
    on("cmdIndietro", [this] { previous(); });
    on("cmdAvanti", [this] { next(); });
    on("cmdUltimo", [this] { last(); });
    on("cmdNumerazione", [this] { openNumbering(); });
    on("cmdEsporta", [this] { openDialog("TfrmExpRicevute"); });
    on("cmdRiepMensile", [this] { openSummary("TfrmRiepMensile"); });
    on("cmdRiepTrimestrale", [this] { openSummary("TfrmRiepTrimestrale"); });
    on("cmdRiepAnnuale", [this] { openDialog("TfrmRiepAnnuale"); });
    on("cmdGuida", [this] { TfrmGuida::open(this, GuideTopics::receipts()); });
    on("cmdEsci", [this] { close(); });
    on("cmdCalcola", [this] { calculate(); });
    on("btnLogo", [this] { openDialog("TfrmLogo"); });
    on("btnCancDitta", [this] {
        for (int field = Ditta; field <= Libero02; ++field)
            m_map->setText(field, QString());
        edit("txtDitta")->setFocus(Qt::OtherFocusReason);
    });
    // The checks receive the block's trimmed text; the tax-code buttons send
    // a tax code of digits only (a company's) to the VAT number check.
    on("btnIvaDitta", [this] { CheckDialogs::open(QStringLiteral("TfrmPartitaIva"), this, Text::trim(m_map->text(IvaDitta))); });
    on("btnIvaCliente", [this] { CheckDialogs::open(QStringLiteral("TfrmPartitaIva"), this, Text::trim(m_map->text(IvaCliente))); });
    on("btnCodFiscDitta", [this] { CheckDialogs::openTaxCode(this, Text::trim(m_map->text(CodFiscDitta))); });
    on("btnCodFiscCliente", [this] { CheckDialogs::openTaxCode(this, Text::trim(m_map->text(CodFiscCliente))); });
    on("impOggi", [this] { m_map->setText(Data, Dates::todayText()); });
    on("impArrivo", [this] { m_map->setText(Arrivo, Dates::todayText()); });
    on("impPartenza", [this] { m_map->setText(Partenza, Dates::todayText()); });
    on("imgAvanti_A", [this] { showPage(2); });
    on("imgIndietro_B", [this] { showPage(1); });
    on("imgAvanti_B", [this] { showPage(3); });
    on("imgIndietro_C", [this] { showPage(2); });
    for (int line = 1; line <= LineCount; ++line) {
        const QString n = lineSuffix(line);
        onClick(QStringLiteral("impMag") + n, [this, n] { openDialog("TfrmTrovaServizi", QStringLiteral("ric_") + n); });
    }

    // Typing in an input of the calculation empties the totals it affects.
    for (int line = 0; line < LineCount; ++line)
        connect(FieldBehaviour::of(m_map->control(Prezzo01 + line)), &FieldBehaviour::keyPressed, this,
                [this] { blankTotals(Prezzo01); });
    for (int input : {int(Acconti), int(Tassa), int(Giorni)})
        connect(FieldBehaviour::of(m_map->control(input)), &FieldBehaviour::keyPressed, this, [this, input] { blankTotals(input); });

    // Upper case while typing; leaving the customer's province does it again.
    for (int field : {int(CodFiscDitta), int(CodFiscCliente)})
        FieldBehaviour::of(m_map->control(field))->setUpperCaseOnKeyRelease(true);
    for (const char *name : kUpperCased)
        findChild<QWidget *>(QString::fromLatin1(name))->installEventFilter(this);
    connect(FieldBehaviour::of(m_map->control(ProvCliente)), &FieldBehaviour::left, this, [this] {
        m_map->setText(ProvCliente, Text::upperAZ(Text::trim(m_map->text(ProvCliente))));
    });

    // The hints of the commands in the status line.
    for (QWidget *w : findChildren<QWidget *>()) {
        if (w->property("hint").isValid() || w->objectName().startsWith(u"pan") || w->objectName().startsWith(u"grp"))
            w->installEventFilter(this);
    }
    installEventFilter(this);
}

bool TfrmRicevute::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return WorkScreen::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyRelease:
        for (const char *name : kUpperCased) {
            if (widget->objectName() == QLatin1String(name)) {
                const QString text = ReceiptScreenMap::controlText(widget);
                const QString upper = Text::upperAZ(Text::trim(text));
                if (upper != text)
                    ReceiptScreenMap::setControlText(widget, upper);
            }
        }
        break;
    case QEvent::Enter:
        if (widget->property("hint").isValid())
            m_info->setText(widget->property("hint").toString());
        else if (widget != m_info)
            m_info->clear(); // the background or a panel
        break;
    case QEvent::Leave:
        if (widget->property("hint").isValid())
            m_info->clear();
        break;
    default:
        break;
    }
    return WorkScreen::eventFilter(watched, event);
}

void TfrmRicevute::blankTotals(int input)
{
    const ReceiptCalc::Input which = input == Acconti ? ReceiptCalc::Input::Advances
                                     : input == Tassa ? ReceiptCalc::Input::TaxPerDay
                                     : input == Giorni ? ReceiptCalc::Input::Days
                                                       : ReceiptCalc::Input::Line;
    const ReceiptCalc::Blanked blanked = ReceiptCalc::blankedBy(which);
    if (blanked.lines)
        m_map->setText(TotCorrispettivi, QString());
    if (blanked.tax)
        m_map->setText(TotTassa, QString());
    if (blanked.due)
        m_map->setText(Totale, QString());
}

void TfrmRicevute::showPage(int page)
{
    m_pages->setCurrentIndex(qBound(1, page, 3) - 1);
    // The first line of the page takes the focus.
    if (isVisible())
        m_map->control(Desc01 + (qBound(1, page, 3) - 1) * 10)->setFocus(Qt::OtherFocusReason);
}

void TfrmRicevute::calculate()
{
    ReceiptCalc::Inputs inputs;
    for (int line = 0; line < LineCount; ++line)
        inputs.lines.append(m_map->text(Prezzo01 + line));
    inputs.advances = m_map->text(Acconti);
    inputs.taxPerDay = m_map->text(Tassa);
    inputs.days = m_map->text(Giorni);
    const ReceiptCalc::Totals totals = ReceiptCalc::calculate(inputs);
    if (totals.advances != inputs.advances)
        m_map->setText(Acconti, totals.advances);
    m_map->setText(TotCorrispettivi, totals.lines);
    m_map->setText(TotTassa, totals.tax);
    m_map->setText(Totale, totals.due);
}

void TfrmRicevute::clearForNew()
{
    // Everything but the issuer block and the tax per day.
    for (int field = 0; field < FieldCount; ++field) {
        if ((field >= Ditta && field <= Libero02) || field == Tassa || field == Saldata)
            continue;
        m_map->setText(field, QString());
    }
    m_map->setText(Acconti, QStringLiteral("0,00"));
    m_map->setText(Giorni, QStringLiteral("0"));
    m_pages->setCurrentIndex(0);
    qobject_cast<QCheckBox *>(m_map->control(Saldata))->setChecked(false);
    // No province selected in the lists; the texts stay as they are.
    for (int field : {int(ProvDitta), int(ProvCliente)}) {
        auto *combo = qobject_cast<QComboBox *>(m_map->control(field));
        const QString text = combo->currentText();
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
    }
    label("lblPosizione")->clear();
    m_map->control(Cliente)->setFocus(Qt::OtherFocusReason);
}

void TfrmRicevute::prepare()
{
    const QHash<QString, QString> issuer = ReceiptSettings::readIssuer();
    for (const ReceiptSettings::IssuerEntry &entry : ReceiptSettings::issuerEntries()) {
        if (QWidget *control = findChild<QWidget *>(entry.control))
            ReceiptScreenMap::setControlText(control, issuer.value(entry.control));
    }
    clearForNew();
}

bool TfrmRicevute::aboutToClose()
{
    QHash<QString, QString> issuer;
    for (const ReceiptSettings::IssuerEntry &entry : ReceiptSettings::issuerEntries()) {
        if (QWidget *control = findChild<QWidget *>(entry.control))
            issuer.insert(entry.control, Text::trim(ReceiptScreenMap::controlText(control)));
    }
    QString error;
    if (!ReceiptSettings::writeIssuer(issuer, &error)) {
        // The editor stays on screen: the user may free the folder and retry.
        Modal::error(this, error);
        return false;
    }
    return true;
}

void TfrmRicevute::showAccessError(Icon icon)
{
    if (icon == Icon::Warning)
        Modal::warning(this, archiveAccessMessage());
    else
        Modal::error(this, archiveAccessMessage());
}

void TfrmRicevute::newReceipt()
{
    QLabel *inizio = label("lblInizio");
    QLabel *solare = label("lblSolare");
    inizio->setText(ReceiptSettings::startNumber());
    solare->setText(ReceiptSettings::yearInNumber() ? QStringLiteral("Sì") : QStringLiteral("No"));
    if (Text::trim(inizio->text()).isEmpty())
        inizio->setText(QStringLiteral("1"));
    qint64 count = 0;
    try {
        RecordFile file(RecordSize);
        file.openOrCreate(archivePath());
        count = file.count();
        file.close();
    } catch (const StorageError &) {
        showAccessError(Icon::Error);
        return;
    }
    clearForNew();
    const std::optional<QString> number =
        ReceiptSettings::proposedNumber(inizio->text(), solare->text(), count, Dates::yearText());
    if (!number) {
        // A starting number that is not a whole number: the screen stays
        // empty, without a number.
        showAccessError(Icon::Error);
        return;
    }
    m_map->setText(NumRic, *number);
    m_map->setText(Data, Dates::todayText());
    m_map->control(Cliente)->setFocus(Qt::OtherFocusReason);
}

void TfrmRicevute::save()
{
    calculate();
    auto refuse = [this](int field, const QString &text) {
        Modal::warning(this, text);
        m_map->control(field)->setFocus(Qt::OtherFocusReason);
    };
    if (Text::trim(m_map->text(Cliente)).isEmpty())
        return refuse(Cliente, QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome o la "
                                              "ragione sociale del Cliente."));
    if (Text::trim(m_map->text(NumRic)).isEmpty())
        return refuse(NumRic, QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il numero della ricevuta."));
    if (Text::trim(m_map->text(Data)).isEmpty())
        return refuse(Data, QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data della ricevuta."));
    if (!Dates::isValidDate(m_map->text(Data)))
        return refuse(Data, QStringLiteral("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda è "
                                           "necessario indicare una data valida nel formato gg/mm/anno."));

    QLabel *posizione = label("lblPosizione");
    const QString stored = Text::trim(posizione->text());
    try {
        RecordFile file(RecordSize);
        file.openOrCreate(archivePath());
        const QByteArray bytes = m_map->record().bytes();
        if (!stored.isEmpty()) {
            bool ok = false;
            const qint64 position = stored.toLongLong(&ok);
            if (!ok || position < 1 || position > file.count())
                throw StorageError(QStringLiteral("no receipt at position %1").arg(stored));
            file.seek(position - 1);
            file.write(bytes);
            file.close();
            posizione->setText(QString::number(position));
            Modal::information(this, QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        } else {
            // Counting and appending happen together, so the new receipt
            // never lands over another one.
            const qint64 index = file.append(bytes);
            file.close();
            posizione->setText(QString::number(index + 1));
            Modal::information(this, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        }
    } catch (const StorageError &) {
        showAccessError(Icon::Warning);
    }
}

void TfrmRicevute::readRecord(RecordFile &file, qint64 position)
{
    file.seek(position - 1);
    const Record record(ReceiptLayout::layout(), file.read());
    m_map->show(record);
    label("lblPosizione")->setText(QString::number(position));
}

bool TfrmRicevute::showReceipt(qint64 position)
{
    try {
        RecordFile file(RecordSize);
        file.openOrCreate(archivePath());
        if (position < 1 || position > file.count())
            throw StorageError(QStringLiteral("no receipt at position %1").arg(position));
        readRecord(file, position);
        file.close();
        return true;
    } catch (const StorageError &) {
        showAccessError(Icon::Error);
        return false;
    }
}

namespace {

const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");

} // namespace

qint64 TfrmRicevute::shownPosition()
{
    const QString text = Text::trim(label("lblPosizione")->text());
    return text.isEmpty() ? 0 : text.toLongLong();
}

void TfrmRicevute::browse(Icon failureIcon, const std::function<qint64(qint64 count)> &pick, bool clearPositionWhenEmpty)
{
    try {
        RecordFile file(RecordSize);
        file.openOrCreate(archivePath());
        const qint64 count = file.count();
        if (count == 0) {
            file.close();
            if (clearPositionWhenEmpty)
                label("lblPosizione")->clear();
            Modal::information(this, kEmptyArchive);
            return;
        }
        if (const qint64 position = pick(count); position > 0)
            readRecord(file, position);
        file.close();
    } catch (const StorageError &) {
        showAccessError(failureIcon);
    }
}

void TfrmRicevute::first()
{
    browse(Icon::Warning, [](qint64) { return qint64(1); });
}

void TfrmRicevute::last()
{
    browse(Icon::Error, [](qint64 count) { return count; });
}

void TfrmRicevute::next()
{
    const qint64 position = shownPosition();
    // On the last receipt nothing happens.
    browse(Icon::Error, [position](qint64 count) { return position < count ? position + 1 : 0; }, true);
}

void TfrmRicevute::previous()
{
    if (Text::trim(label("lblPosizione")->text()) == u"1")
        return; // on the first receipt nothing happens, not even a message
    const qint64 position = shownPosition();
    browse(Icon::Error, [position](qint64 count) { return position >= 2 ? qMin(position - 1, count) : qint64(1); });
}

void TfrmRicevute::openDialog(const char *name, const QString &token)
{
    Screens::instance().openDialog(QString::fromLatin1(name), this, token);
}

void TfrmRicevute::openSummary(const char *name)
{
    // The summary works on the year of the open archive.
    QDialog *dialog = Screens::instance().createDialog(QString::fromLatin1(name), this);
    if (auto *anno = dialog->findChild<QLabel *>(QStringLiteral("lblAnno")))
        anno->setText(Text::trim(label("lblAnno")->text()));
    Screens::runDialog(dialog);
}

void TfrmRicevute::openNumbering()
{
    QDialog *dialog = Screens::instance().createDialog(QStringLiteral("TfrmNumerazione"), this, QStringLiteral("ricevute"));
    dialog->setWindowTitle(QStringLiteral("Impostazione inizio numerazione ricevute"));
    Screens::runDialog(dialog);
}
