#include "receipts/ricevutecontrols.h"

#include "app/picture.h"
#include "storage/receiptlayout.h"
#include "text/fieldbehaviour.h"
#include "text/texthelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QColor kBlue(0x0D, 0x47, 0xA1);
const QColor kGrey(0x75, 0x75, 0x75);
const QColor kGreen(0x2E, 0x7D, 0x32);
const QColor kRed(0xC6, 0x28, 0x28);

QString lineSuffix(int line) // 1 → "01"
{
    return QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0'));
}

// An edit field inside a small box that also holds its highlight frame
// (named after the field with the prefix "eff"), drawn around the field
// while it has the focus.
class FieldBox : public QWidget
{
public:
    FieldBox(QWidget *field, QWidget *parent)
        : QWidget(parent)
        , m_frame(new QFrame(this))
    {
        const QString name = field->objectName();
        m_frame->setObjectName(QStringLiteral("eff") + name.mid(3));
        m_frame->setStyleSheet(QStringLiteral("QFrame { border: 2px solid #FF8F00; border-radius: 3px; background: transparent; }"));
        m_frame->hide();
        auto *layout = new QHBoxLayout(this);
        layout->setContentsMargins(2, 2, 2, 2);
        layout->addWidget(field);
        m_frame->lower();
    }
    QFrame *frame() const { return m_frame; }

protected:
    void resizeEvent(QResizeEvent *) override { m_frame->setGeometry(rect()); }

private:
    QFrame *m_frame;
};

struct Builder
{
    QWidget *screen;

    QLabel *caption(QWidget *parent, const QString &name, const QString &text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
    {
        auto *l = new QLabel(text, parent);
        l->setObjectName(name);
        l->setAlignment(align);
        return l;
    }

    // An edit field limited to its record field's capacity.
    QLineEdit *edit(const QString &name, Qt::Alignment align = Qt::AlignLeft)
    {
        auto *e = new QLineEdit;
        e->setObjectName(name);
        const int index = ReceiptLayout::layout().indexOfControl(name);
        Q_ASSERT(index >= 0);
        e->setMaxLength(ReceiptLayout::layout().field(index).capacity);
        e->setAlignment(align | Qt::AlignVCenter);
        return e;
    }

    // An editable drop-down list of province codes.
    QComboBox *province(const QString &name)
    {
        auto *c = new QComboBox;
        c->setObjectName(name);
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->addItems(RicevuteControls::provinces());
        c->lineEdit()->setMaxLength(2);
        c->setCurrentIndex(-1);
        c->setFixedWidth(62);
        c->setMaxVisibleItems(16);
        return c;
    }

    QWidget *boxed(QWidget *field, QWidget *parent) { return new FieldBox(field, parent); }

    // A picture command with its hint.
    Picture *picture(QWidget *parent, const QString &name, const QPixmap &pixmap, const QString &hint)
    {
        auto *p = new Picture(name, pixmap, true, parent);
        p->setProperty("hint", hint);
        return p;
    }
    Picture *small(QWidget *parent, const QString &name, const QString &symbol, const QColor &color, const QString &hint)
    {
        return picture(parent, name, Pictures::badge(symbol, color, 24), hint);
    }

    QFrame *panel(const QString &name, const QString &title, QWidget *parent)
    {
        auto *f = new QFrame(parent);
        f->setObjectName(name);
        f->setFrameShape(QFrame::StyledPanel);
        f->setAutoFillBackground(true);
        QPalette pal = f->palette();
        pal.setColor(QPalette::Window, QColor(0xF4, 0xF8, 0xFD));
        f->setPalette(pal);
        if (!title.isEmpty())
            f->setProperty("title", title);
        return f;
    }

    QLabel *title(QWidget *parent, const QString &text)
    {
        auto *l = new QLabel(text, parent);
        QFont font = l->font();
        font.setBold(true);
        l->setFont(font);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, kBlue);
        l->setPalette(pal);
        return l;
    }

    QWidget *commandBar();
    QWidget *numberAndStay();
    QWidget *issuer();
    QWidget *customer();
    QWidget *lines();
    QWidget *linePage(int page);
    QWidget *totals();
};

QWidget *Builder::commandBar()
{
    struct Command
    {
        const char *name;
        const char *label;
        QColor color;
        const char *hint;
    };
    const Command commands[] = {
        {"cmdNuovo", "Nuovo", kBlue, "Predispone la schermata per l'emissione di una nuova ricevuta."},
        {"cmdSalva", "Salva", kBlue, "Salva o aggiorna la ricevuta corrente."},
        {"cmdTrova", "Trova", kBlue, "Trova una ricevuta in archivio."},
        {"cmdSospese", "Sospese", kBlue, "Visualizza il riepilogo delle ricevute non saldate."},
        {"cmdImporta", "↘ Importa", kGrey,
         "Importa dall'archivio dei Clienti i dati anagrafici unitamente ai servizi e alle consumazioni del conto."},
        {"cmdAnteprima", "Anteprima", kGreen, "Visualizza l'anteprima di stampa della ricevuta corrente."},
        {"cmdStampa", "Stampa", kGreen, "Stampa la ricevuta corrente."},
        {"cmdPDF", "PDF", kRed, "Esporta la ricevuta corrente in formato PDF."},
        {"cmdPrimo", "|◀", kBlue, "Visualizza la prima ricevuta in archivio."},
        {"cmdIndietro", "◀", kBlue, "Visualizza la ricevuta precedente in archivio."},
        {"cmdAvanti", "▶", kBlue, "Visualizza la ricevuta successiva in archivio."},
        {"cmdUltimo", "▶|", kBlue, "Visualizza l'ultima ricevuta in archivio."},
        {"cmdNumerazione", "N. iniziale", kGrey, "Imposta il numero iniziale per la numerazione delle ricevute."},
        {"cmdEsporta", "Excel", kGreen, "Esporta le ricevute in archivio in un file di Microsoft Excel."},
        {"cmdRiepMensile", "M", kBlue, "Visualizza il riepilogo mensile delle ricevute emesse."},
        {"cmdRiepTrimestrale", "T", kBlue, "Visualizza il riepilogo trimestrale delle ricevute emesse."},
        {"cmdRiepAnnuale", "A", kBlue, "Visualizza il riepilogo annuale delle ricevute emesse."},
        {"cmdGuida", "?", kBlue, "Visualizza la guida in linea."},
        {"cmdEsci", "Esci", kRed, "Esci da questa schermata di lavoro."},
    };
    auto *bar = panel(QStringLiteral("panComandi"), QString(), screen);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(5);
    for (const Command &c : commands) {
        const QString label = QString::fromUtf8(c.label);
        const int width = label.size() <= 2 ? 40 : label.size() <= 4 ? 54 : 80;
        auto *p = picture(bar, QString::fromLatin1(c.name), Pictures::caption(label, c.color, Qt::white, width, 34, 9, true),
                          QString::fromUtf8(c.hint));
        row->addWidget(p);
        if (qstrcmp(c.name, "cmdSalva") == 0 || qstrcmp(c.name, "cmdSospese") == 0 || qstrcmp(c.name, "cmdImporta") == 0
            || qstrcmp(c.name, "cmdPDF") == 0 || qstrcmp(c.name, "cmdUltimo") == 0 || qstrcmp(c.name, "cmdEsporta") == 0
            || qstrcmp(c.name, "cmdRiepAnnuale") == 0)
            row->addSpacing(10);
        if (qstrcmp(c.name, "cmdGuida") == 0)
            row->addStretch();
    }
    return bar;
}

QWidget *Builder::numberAndStay()
{
    auto *pan = panel(QStringLiteral("panNumRicevuta"), QString(), screen);
    auto *grid = new QGridLayout(pan);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(2);

    QFont big(QStringLiteral("Verdana"));
    big.setPointSize(12);
    big.setBold(true);
    auto *titNumRic = caption(pan, QStringLiteral("titNumRic"), QStringLiteral("Ricevuta n."), Qt::AlignCenter);
    titNumRic->setFont(big);
    QLineEdit *numRic = edit(QStringLiteral("txtNumRic"), Qt::AlignHCenter);
    numRic->setFont(big);
    QLineEdit *data = edit(QStringLiteral("txtData"), Qt::AlignHCenter);

    auto *posizione = new QLabel(pan);
    posizione->setObjectName(QStringLiteral("lblPosizione"));
    posizione->setAlignment(Qt::AlignCenter);
    QFont bold = posizione->font();
    bold.setBold(true);
    bold.setPointSize(11);
    posizione->setFont(bold);
    posizione->setMinimumWidth(60);
    posizione->setFrameShape(QFrame::StyledPanel);
    posizione->setToolTip(QStringLiteral("Posizione della ricevuta in archivio"));

    grid->addWidget(titNumRic, 0, 0);
    grid->addWidget(caption(pan, QStringLiteral("titData"), QStringLiteral("Data emissione:"), Qt::AlignCenter), 0, 1, 1, 2);
    grid->addWidget(boxed(numRic, pan), 1, 0);
    grid->addWidget(boxed(data, pan), 1, 1);
    grid->addWidget(small(pan, QStringLiteral("impOggi"), QStringLiteral("•"), kGreen, QStringLiteral("Inserisci la data corrente.")), 1, 2);
    grid->addWidget(posizione, 0, 3, 2, 1);

    auto *stay = new QGridLayout;
    stay->setVerticalSpacing(0);
    stay->addWidget(caption(pan, QStringLiteral("titCamera"), QStringLiteral("Camera n.")), 0, 0);
    stay->addWidget(boxed(edit(QStringLiteral("txtCamera")), pan), 1, 0);
    stay->addWidget(caption(pan, QStringLiteral("titArrivo"), QStringLiteral("Data arrivo:")), 0, 1, 1, 2);
    stay->addWidget(boxed(edit(QStringLiteral("txtArrivo"), Qt::AlignHCenter), pan), 1, 1);
    stay->addWidget(small(pan, QStringLiteral("impArrivo"), QStringLiteral("•"), kGreen, QStringLiteral("Inserisci la data corrente.")), 1, 2);
    stay->addWidget(caption(pan, QStringLiteral("titPartenza"), QStringLiteral("Data partenza:")), 0, 3, 1, 2);
    stay->addWidget(boxed(edit(QStringLiteral("txtPartenza"), Qt::AlignHCenter), pan), 1, 3);
    stay->addWidget(small(pan, QStringLiteral("impPartenza"), QStringLiteral("•"), kGreen, QStringLiteral("Inserisci la data corrente.")), 1, 4);
    grid->addLayout(stay, 2, 0, 1, 4);
    return pan;
}

QWidget *Builder::issuer()
{
    auto *pan = panel(QStringLiteral("panDitta"), QString(), screen);
    auto *grid = new QGridLayout(pan);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(0);
    int row = 0;
    auto line = [&](const char *name, const char *label, QWidget *trailing = nullptr) {
        const QString field = QString::fromLatin1(name);
        grid->addWidget(caption(pan, QStringLiteral("tit") + field.mid(3), QString::fromUtf8(label)), row, 0);
        grid->addWidget(boxed(edit(field), pan), row, 1, 1, trailing ? 1 : 2);
        if (trailing)
            grid->addWidget(trailing, row, 2);
        ++row;
    };
    line("txtDitta", "Ditta emittente:");
    line("txtViaDitta", "Via e numero civico:");

    auto *place = new QHBoxLayout;
    place->setSpacing(4);
    QLineEdit *capDitta = edit(QStringLiteral("txtCapDitta"), Qt::AlignHCenter);
    capDitta->setFixedWidth(90);
    place->addWidget(boxed(capDitta, pan));
    place->addStretch();
    place->addWidget(caption(pan, QStringLiteral("titProvDitta"), QStringLiteral("Prov.")));
    place->addWidget(boxed(province(QStringLiteral("txtProvDitta")), pan));
    grid->addWidget(caption(pan, QStringLiteral("titCapDitta"), QStringLiteral("CAP:")), row, 0);
    grid->addLayout(place, row, 1, 1, 2);
    ++row;
    line("txtCittaDitta", "Città:");

    line("txtIvaDitta", "Partita IVA:", small(pan, QStringLiteral("btnIvaDitta"), QStringLiteral("✓"), kBlue, QStringLiteral("Controlla il numero di partita IVA.")));
    line("txtCodFiscDitta", "Codice fiscale:", small(pan, QStringLiteral("btnCodFiscDitta"), QStringLiteral("✓"), kBlue, QStringLiteral("Controlla il codice fiscale.")));
    line("txtLibero01", "Campo libero 1:");
    line("txtLibero02", "Campo libero 2:");

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(picture(pan, QStringLiteral("btnLogo"), Pictures::caption(QStringLiteral("Logo"), kBlue, Qt::white, 54, 26, 9, true),
                               QStringLiteral("Carica il logo della Ditta emittente.")));
    buttons->addWidget(picture(pan, QStringLiteral("btnCancDitta"), Pictures::caption(QStringLiteral("Cancella"), kRed, Qt::white, 70, 26, 9, true),
                               QStringLiteral("Cancella i dati della Ditta emittente.")));
    grid->addLayout(buttons, row, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return pan;
}

QWidget *Builder::customer()
{
    auto *pan = panel(QStringLiteral("panCliente"), QString(), screen);
    auto *grid = new QGridLayout(pan);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(0);

    auto *name = new QHBoxLayout;
    name->addWidget(caption(pan, QStringLiteral("titCliente"), QStringLiteral("Cognome e nome o ragione sociale Cliente:")));
    QLineEdit *cliente = edit(QStringLiteral("txtCliente"));
    QFont bold = cliente->font();
    bold.setBold(true);
    cliente->setFont(bold);
    name->addWidget(boxed(cliente, pan), 1);
    name->addWidget(small(pan, QStringLiteral("impCliente"), QStringLiteral("↘"), kGrey, QStringLiteral("Importa i dati anagrafici dall'archivio dei Clienti.")));
    grid->addLayout(name, 0, 0, 1, 4);

    auto *address = new QHBoxLayout;
    address->setSpacing(4);
    address->addWidget(caption(pan, QStringLiteral("titViaCliente"), QStringLiteral("Via e numero civico:")));
    address->addWidget(boxed(edit(QStringLiteral("txtViaCliente")), pan), 6);
    address->addWidget(caption(pan, QStringLiteral("titCapCliente"), QStringLiteral("CAP:")));
    QLineEdit *capCliente = edit(QStringLiteral("txtCapCliente"), Qt::AlignHCenter);
    capCliente->setMinimumWidth(64);
    address->addWidget(boxed(capCliente, pan), 2);
    address->addWidget(caption(pan, QStringLiteral("titCittaCliente"), QStringLiteral("Città:")));
    address->addWidget(boxed(edit(QStringLiteral("txtCittaCliente")), pan), 5);
    address->addWidget(caption(pan, QStringLiteral("titProvCliente"), QStringLiteral("Prov.")));
    address->addWidget(boxed(province(QStringLiteral("txtProvCliente")), pan));
    grid->addLayout(address, 1, 0, 1, 4);

    auto *codes = new QHBoxLayout;
    codes->setSpacing(4);
    codes->addWidget(caption(pan, QStringLiteral("titIvaCliente"), QStringLiteral("Partita IVA:")));
    codes->addWidget(boxed(edit(QStringLiteral("txtIvaCliente")), pan), 1);
    codes->addWidget(small(pan, QStringLiteral("btnIvaCliente"), QStringLiteral("✓"), kBlue, QStringLiteral("Controlla il numero di partita IVA.")));
    codes->addSpacing(16);
    codes->addWidget(caption(pan, QStringLiteral("titCodFiscCliente"), QStringLiteral("Codice fiscale:")));
    codes->addWidget(boxed(edit(QStringLiteral("txtCodFiscCliente")), pan), 1);
    codes->addWidget(small(pan, QStringLiteral("btnCodFiscCliente"), QStringLiteral("✓"), kBlue, QStringLiteral("Controlla il codice fiscale.")));
    grid->addLayout(codes, 2, 0, 1, 4);

    auto *note = new QHBoxLayout;
    note->addWidget(caption(pan, QStringLiteral("titNote"), QStringLiteral("Note:")));
    note->addWidget(boxed(edit(QStringLiteral("txtNote")), pan), 1);
    grid->addLayout(note, 3, 0, 1, 4);
    return pan;
}

QWidget *Builder::linePage(int page)
{
    const QString suffix = lineSuffix(page);
    auto *grp = panel(QStringLiteral("grpPage") + suffix, QString(), nullptr);
    auto *grid = new QGridLayout(grp);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(4);
    grid->setHorizontalSpacing(4);
    // Two columns of five lines: number, description, amount, import.
    for (int column = 0; column < 2; ++column) {
        const int base = column * 5;
        grid->addWidget(caption(grp, QStringLiteral("titDescrizione%1").arg(column + 1), QStringLiteral("Descrizione:")), 0, base + 1);
        grid->addWidget(caption(grp, QStringLiteral("titImporto%1").arg(column + 1), QStringLiteral("Importo:"), Qt::AlignRight | Qt::AlignVCenter), 0, base + 2);
        for (int row = 0; row < 5; ++row) {
            const int line = (page - 1) * 10 + column * 5 + row + 1;
            const QString n = lineSuffix(line);
            grid->addWidget(caption(grp, QStringLiteral("titRigo") + n, QStringLiteral("%1.").arg(line), Qt::AlignRight | Qt::AlignVCenter),
                            row + 1, base);
            grid->addWidget(boxed(edit(QStringLiteral("txtDesc") + n), grp), row + 1, base + 1);
            QLineEdit *amount = edit(QStringLiteral("txtPrezzo") + n, Qt::AlignRight);
            amount->setFixedWidth(96);
            grid->addWidget(boxed(amount, grp), row + 1, base + 2);
            grid->addWidget(small(grp, QStringLiteral("impMag") + n, QStringLiteral("↙"), kGrey,
                                  QStringLiteral("Importa i dati dal tariffario dei prodotti e servizi.")),
                            row + 1, base + 3);
        }
        grid->setColumnStretch(base + 1, 1);
        if (column == 0)
            grid->setColumnMinimumWidth(4, 18);
    }
    // The page arrows.
    auto *arrows = new QVBoxLayout;
    arrows->addStretch();
    const QString next = QStringLiteral("Visualizza i prodotti e servizi successivi.");
    const QString previous = QStringLiteral("Visualizza i prodotti e servizi precedenti.");
    const QString letter = QString(QChar(u'A' + page - 1));
    if (page > 1)
        arrows->addWidget(picture(grp, QStringLiteral("imgIndietro_") + letter,
                                  Pictures::caption(QStringLiteral("▲"), kBlue, Qt::white, 30, 40, 12, true), previous));
    if (page < 3)
        arrows->addWidget(picture(grp, QStringLiteral("imgAvanti_") + letter,
                                  Pictures::caption(QStringLiteral("▼"), kBlue, Qt::white, 30, 40, 12, true), next));
    arrows->addStretch();
    grid->addLayout(arrows, 0, 10, 6, 1);
    return grp;
}

QWidget *Builder::lines()
{
    auto *stack = new QStackedWidget(screen);
    stack->setObjectName(QStringLiteral("stkPagine"));
    stack->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    for (int page = 1; page <= 3; ++page)
        stack->addWidget(linePage(page));
    return stack;
}

QWidget *Builder::totals()
{
    auto *pan = panel(QStringLiteral("panTotali"), QString(), screen);
    auto *grid = new QGridLayout(pan);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(2);

    QLineEdit *acconti = edit(QStringLiteral("txtAcconti"), Qt::AlignRight);
    acconti->setText(QStringLiteral("0,00"));
    QLineEdit *tassa = edit(QStringLiteral("txtTassa"), Qt::AlignRight);
    tassa->setText(QStringLiteral("0,00"));
    QLineEdit *giorni = edit(QStringLiteral("txtGiorni"), Qt::AlignHCenter);
    giorni->setText(QStringLiteral("0"));
    giorni->setFixedWidth(52);

    grid->addWidget(caption(pan, QStringLiteral("titAcconti"), QStringLiteral("Acconti:"), Qt::AlignRight | Qt::AlignVCenter), 0, 0);
    grid->addWidget(boxed(acconti, pan), 0, 1);
    grid->addWidget(caption(pan, QStringLiteral("titTassa"), QStringLiteral("Tassa soggiorno:"), Qt::AlignRight | Qt::AlignVCenter), 0, 2);
    grid->addWidget(boxed(tassa, pan), 0, 3);
    grid->addWidget(caption(pan, QStringLiteral("titGiorni"), QStringLiteral("Giorni:"), Qt::AlignRight | Qt::AlignVCenter), 0, 4);
    grid->addWidget(boxed(giorni, pan), 0, 5, Qt::AlignLeft);

    QFont bold = pan->font();
    bold.setBold(true);
    bold.setPointSize(11);
    auto total = [&](const char *name, const char *label, int column) {
        const QString field = QString::fromLatin1(name);
        auto *cap = caption(pan, QStringLiteral("tit") + field.mid(3), QString::fromUtf8(label), Qt::AlignRight | Qt::AlignVCenter);
        auto *value = new QLabel(pan);
        value->setObjectName(field);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFont(bold);
        value->setFrameShape(QFrame::StyledPanel);
        value->setMinimumWidth(110);
        value->setMinimumHeight(26);
        grid->addWidget(cap, 1, column);
        grid->addWidget(value, 1, column + 1);
        return cap;
    };
    total("txtTotCorrispettivi", "Tot. corrispettivi:", 0);
    total("txtTotTassa", "Tot. tassa:", 2);
    total("txtTotale", "TOTALE:", 4)->setFont(bold);

    auto *calcola = new QPushButton(QStringLiteral("<< CALCOLA >>"), pan);
    calcola->setObjectName(QStringLiteral("cmdCalcola"));
    calcola->setProperty("hint", QStringLiteral("Calcola gli importi totali."));
    calcola->setFont(bold);
    calcola->setMinimumHeight(30);
    auto *saldata = new QCheckBox(QStringLiteral("Saldata"), pan);
    saldata->setObjectName(QStringLiteral("chkSaldata"));
    saldata->setFont(bold);
    grid->addWidget(saldata, 0, 6, Qt::AlignCenter);
    grid->addWidget(calcola, 1, 6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);
    return pan;
}

} // namespace

namespace RicevuteControls {

const QStringList &provinces()
{
    static const QStringList list = QStringLiteral(
        "AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN CO CR CS CT CZ EE EN FC FE FG FI FM "
        "FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC MD ME MI MN MO MS MT NA NO NU OG OR OT PA PC PD PE PG PI PN PO PR "
        "PT PU PV PZ RA RC RE RG RI RM RN RO SA SI SO SP SR SS SV TA TE TN TO TP TR TS TV UD VA VB VC VE VI VR VT VV")
                                        .split(QLatin1Char(' '));
    return list;
}

void build(QWidget *screen)
{
    Builder b{screen};

    // The hidden state labels.
    for (const char *name : {"lblFile", "lblAnno", "lblInizio", "lblSolare"}) {
        auto *l = new QLabel(screen);
        l->setObjectName(QString::fromLatin1(name));
        l->hide();
    }

    auto *info = new QLabel(QStringLiteral("Pronto per archiviare una nuova ricevuta..."), screen);
    info->setObjectName(QStringLiteral("panInfo"));
    info->setFrameShape(QFrame::StyledPanel);
    info->setMinimumHeight(22);

    auto *left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(b.numberAndStay());
    left->addWidget(b.issuer());
    left->addStretch();

    auto *right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(b.customer());
    right->addWidget(b.lines());
    right->addWidget(b.totals());
    right->addStretch();

    auto *body = new QHBoxLayout;
    body->setSpacing(8);
    body->addLayout(left, 34);
    body->addLayout(right, 66);

    auto *layout = new QVBoxLayout(screen);
    layout->setContentsMargins(8, 6, 8, 4);
    layout->setSpacing(6);
    layout->addWidget(b.commandBar());
    layout->addLayout(body, 1);
    layout->addWidget(info);
}

void wireKeys(QWidget *screen)
{
    auto field = [screen](const QString &name) {
        QWidget *w = screen->findChild<QWidget *>(name);
        Q_ASSERT_X(w, "RicevuteControls::wireKeys", qPrintable(name));
        return w;
    };
    auto edit = [&](const QString &name) { return qobject_cast<QLineEdit *>(field(name)); };

    // Enter moves to a fixed successor.
    const char *const chain[][2] = {
        {"txtNumRic", "txtData"}, {"txtData", "txtCamera"}, {"txtCamera", "txtArrivo"}, {"txtArrivo", "txtPartenza"},
        {"txtPartenza", "txtAcconti"}, {"txtDitta", "txtViaDitta"}, {"txtViaDitta", "txtCapDitta"},
        {"txtCapDitta", "txtCittaDitta"}, {"txtCittaDitta", "txtProvDitta"}, {"txtProvDitta", "txtIvaDitta"},
        {"txtIvaDitta", "txtCodFiscDitta"}, {"txtCodFiscDitta", "txtLibero01"}, {"txtLibero01", "txtLibero02"},
        {"txtLibero02", "txtCliente"}, {"txtCliente", "txtViaCliente"}, {"txtViaCliente", "txtCapCliente"},
        {"txtCapCliente", "txtCittaCliente"}, {"txtCittaCliente", "txtProvCliente"},
        {"txtProvCliente", "txtIvaCliente"}, {"txtIvaCliente", "txtCodFiscCliente"},
        {"txtCodFiscCliente", "txtNote"}, {"txtNote", "txtNumRic"},
    };
    for (const auto &link : chain)
        FieldBehaviour::successor(field(QString::fromLatin1(link[0])), field(QString::fromLatin1(link[1])));
    FieldBehaviour::amount(edit(QStringLiteral("txtAcconti")), field(QStringLiteral("txtTassa")), QStringLiteral("0,00"));
    FieldBehaviour::amount(edit(QStringLiteral("txtTassa")), field(QStringLiteral("txtGiorni")), QStringLiteral("0,00"));
    FieldBehaviour::wholeNumber(edit(QStringLiteral("txtGiorni")), field(QStringLiteral("txtDitta")), QStringLiteral("0"));
    for (int line = 1; line <= ReceiptLayout::LineCount; ++line) {
        const QString n = lineSuffix(line);
        FieldBehaviour::successor(field(QStringLiteral("txtDesc") + n), field(QStringLiteral("txtPrezzo") + n));
        // The last line of a page goes on to the advances; the page stays.
        const QString next = line % 10 == 0 ? QStringLiteral("txtAcconti") : QStringLiteral("txtDesc") + lineSuffix(line + 1);
        FieldBehaviour::amount(edit(QStringLiteral("txtPrezzo") + n), field(next), QString());
    }

    // Every edit field shows its highlight frame while it has the focus.
    for (const Field &f : ReceiptLayout::layout().fields()) {
        QWidget *w = field(f.control);
        if (auto *frame = screen->findChild<QFrame *>(QStringLiteral("eff") + f.control.mid(3)))
            FieldBehaviour::of(w)->setHighlight(frame);
    }

    // Tab follows the order of the Enter chain, then the lines.
    QStringList order = {"txtNumRic", "txtData", "txtCamera", "txtArrivo", "txtPartenza", "txtAcconti", "txtTassa",
                         "txtGiorni", "txtDitta", "txtViaDitta", "txtCapDitta", "txtCittaDitta", "txtProvDitta",
                         "txtIvaDitta", "txtCodFiscDitta", "txtLibero01", "txtLibero02", "txtCliente", "txtViaCliente",
                         "txtCapCliente", "txtCittaCliente", "txtProvCliente", "txtIvaCliente", "txtCodFiscCliente",
                         "txtNote"};
    for (int line = 1; line <= ReceiptLayout::LineCount; ++line)
        order << QStringLiteral("txtDesc") + lineSuffix(line) << QStringLiteral("txtPrezzo") + lineSuffix(line);
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(field(order.at(i - 1)), field(order.at(i)));
}

} // namespace RicevuteControls
