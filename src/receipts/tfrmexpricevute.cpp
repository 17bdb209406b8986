#include "receipts/tfrmexpricevute.h"

#include "access/guidetopics.h"
#include "access/tfrmguida.h"
#include "app/commandhints.h"
#include "app/picture.h"
#include "app/screens.h"
#include "receipts/receiptexport.h"
#include "storage/recordfile.h"

#include <QAbstractTableModel>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QProgressDialog>
#include <QScreen>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

// The grid's rows: the running number, then one text per exported column.
class ReceiptGridModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(ReceiptExport::columns().size()) + 1;
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
            return {};
        if (index.column() == 0)
            return index.row() < m_numbered ? QString::number(index.row() + 1) : QString();
        const QStringList &texts = m_rows.at(index.row());
        const int c = index.column() - 1;
        return c < texts.size() ? texts.at(c) : QString();
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        return section == 0 ? QStringLiteral("N.") : ReceiptExport::columns().at(section - 1).title;
    }

    // The rows of a read archive, numbered from 1.
    void setRows(QList<QStringList> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        m_numbered = int(m_rows.size());
        endResetModel();
    }

    void setEmptyRows(int count)
    {
        beginResetModel();
        m_rows = QList<QStringList>(count);
        m_numbered = 0;
        endResetModel();
    }

    const QList<QStringList> &rows() const { return m_rows; }

private:
    QList<QStringList> m_rows;
    int m_numbered = 0;
};

namespace {

// The spreadsheet icon of the export command.
QPixmap sheetIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor green(0x1E, 0x7B, 0x45);
    p.setBrush(Qt::white);
    p.setPen(QPen(green, 2));
    const QRectF sheet(size * 0.12, size * 0.08, size * 0.76, size * 0.84);
    p.drawRoundedRect(sheet, 3, 3);
    p.setPen(QPen(green.lighter(130), 1));
    for (int i = 1; i < 5; ++i) {
        const double y = sheet.top() + sheet.height() * i / 5;
        p.drawLine(QPointF(sheet.left(), y), QPointF(sheet.right(), y));
    }
    p.drawLine(QPointF(sheet.center().x(), sheet.top()), QPointF(sheet.center().x(), sheet.bottom()));
    p.setBrush(green);
    p.setPen(Qt::NoPen);
    const QRectF mark(size * 0.02, size * 0.3, size * 0.5, size * 0.42);
    p.drawRoundedRect(mark, 3, 3);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(int(size * 0.34));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(mark, Qt::AlignCenter, QStringLiteral("X"));
    return pixmap;
}

} // namespace

TfrmExpRicevute::TfrmExpRicevute(QWidget *parent)
    : DialogScreen(QStringLiteral("TfrmExpRicevute"), parent)
    , m_model(new ReceiptGridModel(this))
    , m_grid(new QTableView(this))
    , m_info(new QLabel(QStringLiteral("Esportazione archivio in Microsoft Excel."), this))
{
    // A fixed-size window without title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(862, 560);

    m_grid->setObjectName(QStringLiteral("grdRecords"));
    m_grid->setModel(m_model);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setAlternatingRowColors(true);
    m_grid->setWordWrap(false);
    m_model->setEmptyRows(ReceiptExport::EmptyRows);
    m_grid->horizontalHeader()->resizeSection(0, 60);
    for (int c = 0; c < ReceiptExport::columns().size(); ++c)
        m_grid->horizontalHeader()->resizeSection(c + 1, ReceiptExport::columns().at(c).screenWidth);

    m_info->setObjectName(QStringLiteral("panInfo"));
    m_info->setFrameShape(QFrame::StyledPanel);
    m_info->setMinimumHeight(28);
    m_info->setStyleSheet(QStringLiteral("QLabel { background: #FFFDE7; padding: 2px 6px; }"));

    auto *cmdEsporta = new Picture(QStringLiteral("cmdEsporta"), sheetIcon(48), true, this);
    auto *cmdGuida = new Picture(QStringLiteral("cmdGuida"), Pictures::badge(QStringLiteral("?"), QColor(0x0D, 0x47, 0xA1), 40), true, this);
    auto *cmdEsci = new Picture(QStringLiteral("cmdEsci"), Pictures::badge(QStringLiteral("×"), QColor(0xC6, 0x28, 0x28), 40), true, this);

    auto *hints = new CommandHints(m_info);
    hints->add(cmdEsporta, QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    hints->add(cmdGuida, QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    hints->add(cmdEsci, QStringLiteral("Esci da questo ambiente di lavoro."));

    auto *commands = new QHBoxLayout;
    commands->addWidget(cmdEsporta);
    commands->addStretch();
    commands->addWidget(cmdGuida);
    commands->addWidget(cmdEsci);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(commands);
    layout->addWidget(m_info);

    connect(cmdEsporta, &Picture::clicked, this, [this] { exportGrid(); });
    connect(cmdGuida, &Picture::clicked, this, [this] { TfrmGuida::open(this, GuideTopics::receiptsExport()); });
    connect(cmdEsci, &Picture::clicked, this, &QDialog::close);

    // The archive open in the receipt editor.
    if (Screens::exists()) {
        if (QWidget *editor = Screens::instance().work(QStringLiteral("TfrmRicevute"))) {
            if (auto *file = editor->findChild<QLabel *>(QStringLiteral("lblFile")))
                m_archivePath = file->text();
        }
    }
}

TfrmExpRicevute::~TfrmExpRicevute() = default;

QStringList TfrmExpRicevute::gridColumnNames()
{
    QStringList names{QStringLiteral("colNum")};
    for (const ReceiptExport::Column &column : ReceiptExport::columns())
        names.append(column.gridName());
    return names;
}

QList<QStringList> TfrmExpRicevute::gridRows() const
{
    return m_model->rows();
}

void TfrmExpRicevute::fillGrid()
{
    m_filled = true;
    if (m_archivePath.trimmed().isEmpty())
        return; // no archive open in the editor: the grid keeps its empty rows
    // A large archive shows its progress while it is read; stopping keeps
    // the rows read so far.
    QProgressDialog progress(QStringLiteral("Lettura dell'archivio ricevute in corso..."), QStringLiteral("Annulla"),
                             0, 0, this);
    progress.setWindowTitle(QStringLiteral("Ostelio"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    QList<QStringList> rows;
    try {
        ReceiptExport::readArchive(m_archivePath, rows, true, [&progress](qint64 done, qint64 total) {
            progress.setMaximum(int(total));
            progress.setValue(int(done));
            return !progress.wasCanceled();
        });
    } catch (const StorageError &) {
        // Read errors are passed over: the grid keeps what was read.
    }
    progress.reset();
    if (!rows.isEmpty())
        m_model->setRows(std::move(rows));
}

ExportDialogue::Outcome TfrmExpRicevute::exportGrid()
{
    return ExportDialogue::run(this, ReceiptExport::fileName(), ReceiptExport::sheet(gridRows()));
}

void TfrmExpRicevute::showEvent(QShowEvent *event)
{
    DialogScreen::showEvent(event);
    if (event->spontaneous() || m_filled)
        return;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    fillGrid();
}
