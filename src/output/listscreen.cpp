#include "output/listscreen.h"

#include "output/listreport.h"
#include "output/report.h"
#include "output/reportoutput.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <exception>

ListLinesModel::ListLinesModel(int itemWidth, QObject *parent)
    : QAbstractListModel(parent)
    , m_font(lineFont())
    , m_itemSize(itemWidth, QFontMetrics(m_font).height() + 2)
{
}

QFont ListLinesModel::lineFont()
{
    QFont font(reportFontFamily(QStringLiteral("Courier New")));
    font.setPointSize(12);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

int ListLinesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant ListLinesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_lines.at(index.row());
    case Qt::FontRole:
        return m_font;
    case Qt::ForegroundRole:
        return QBrush(QColor::fromRgba(0xFF000000)); // opaque black, whatever the style
    case Qt::SizeHintRole:
        return m_itemSize;
    default:
        return {};
    }
}

void ListLinesModel::setLines(const QStringList &lines)
{
    beginResetModel();
    m_lines = lines;
    endResetModel();
}

void ListLinesModel::addLine(const QString &line)
{
    const int row = static_cast<int>(m_lines.size());
    beginInsertRows(QModelIndex(), row, row);
    m_lines.append(line);
    endInsertRows();
}

void ListLinesModel::clear()
{
    setLines({});
}

QStringList ListScreen::recordHelpLines()
{
    return {QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e premere "
                           "il pulsante Trova."),
            QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo "
                           "clic su Trova."),
            QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic.")};
}

ListScreen::ListScreen(const QString &name, const ListScreenOptions &options, QWidget *parent)
    : DialogScreen(name, parent)
    , m_options(options)
    , m_model(new ListLinesModel(options.itemWidth, this))
    , m_list(new QListView(this))
    , m_search(new QLineEdit(this))
    , m_find(new QPushButton(QStringLiteral("Trova"), this))
    , m_print(new QPushButton(QStringLiteral("Stampa"), this))
    , m_close(new QPushButton(QStringLiteral("Chiudi"), this))
    , m_layout(new QVBoxLayout(this))
    , m_commands(new QHBoxLayout)
{
    m_list->setObjectName(QStringLiteral("lstRecords"));
    m_search->setObjectName(QStringLiteral("txtTrova"));
    m_find->setObjectName(QStringLiteral("btnTrova"));
    m_print->setObjectName(QStringLiteral("btnStampa"));
    m_close->setObjectName(QStringLiteral("btnChiudi"));
    // Enter moves the focus rather than pressing a default button.
    for (QPushButton *button : {m_find, m_print, m_close})
        button->setAutoDefault(false);

    QFont searchFont(reportFontFamily(QStringLiteral("Verdana")));
    searchFont.setPointSize(12);
    searchFont.setBold(true);
    m_search->setFont(searchFont);

    m_list->setModel(m_model);
    m_list->setUniformItemSizes(true);
    m_list->setLayoutMode(QListView::SinglePass);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setWordWrap(false);
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Text, QColor(0, 0, 0));
    m_list->setPalette(palette);

    const QStringList help = options.helpLines;
    QList<QLabel *> helpLabels;
    for (int i = 0; i < std::min<qsizetype>(help.size(), 3); ++i) {
        auto *label = new QLabel(help.at(i), this);
        label->setObjectName(QStringLiteral("lblRigo%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        label->setWordWrap(true);
        helpLabels.append(label);
    }

    for (int i = 0; i < std::min<qsizetype>(helpLabels.size(), 2); ++i)
        m_layout->addWidget(helpLabels.at(i));
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(m_search, 1);
    searchRow->addWidget(m_find);
    m_layout->addLayout(searchRow);
    m_layout->addWidget(m_list, 1);
    if (helpLabels.size() > 2) {
        QLabel *third = helpLabels.at(2);
        QPalette crimson = third->palette();
        crimson.setColor(QPalette::WindowText, QColor(0xDC, 0x14, 0x3C));
        third->setPalette(crimson);
        m_layout->addWidget(third);
    }
    m_commands->addStretch();
    m_commands->addWidget(m_print);
    m_commands->addWidget(m_close);
    m_layout->addLayout(m_commands);

    connect(m_find, &QPushButton::clicked, this, &ListScreen::findInList);
    connect(m_print, &QPushButton::clicked, this, &ListScreen::printList);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    m_search->installEventFilter(this);
    connect(m_list, &QListView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            lineChosen(index.row());
    });

    resize(960, 620);
}

void ListScreen::setLines(const QStringList &lines)
{
    m_model->setLines(lines);
}

void ListScreen::addLine(const QString &line)
{
    m_model->addLine(line);
}

void ListScreen::clearLines()
{
    m_model->clear();
}

QString ListScreen::line(int row) const
{
    return row >= 0 && row < lineCount() ? m_model->lines().at(row) : QString();
}

int ListScreen::currentRow() const
{
    const QModelIndex index = m_list->currentIndex();
    if (!index.isValid() || !m_list->selectionModel()->isSelected(index))
        return -1;
    return index.row();
}

void ListScreen::setCurrentRow(int row)
{
    if (row < 0 || row >= lineCount()) {
        m_list->clearSelection();
        m_list->setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex index = m_model->index(row);
    m_list->setCurrentIndex(index);
    m_list->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    m_list->scrollTo(index);
}

void ListScreen::resetSearchKey(bool alsoField)
{
    m_finder.reset();
    if (alsoField)
        m_search->clear();
}

void ListScreen::findInList()
{
    if (lineCount() == 0) {
        Modal::instance().message(this, m_options.emptyListKind,
                                  QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const int row = m_finder.find(lines(), currentRow(), m_search->text());
    setCurrentRow(row);
}

void ListScreen::printList()
{
    try {
        ReportOutput::print(this, ListReport::filled(printTitle(), lines(), extraPrintLines()));
    } catch (const ReportError &error) {
        Modal::error(this, error.message());
    } catch (const std::exception &error) {
        Modal::error(this, QString::fromLocal8Bit(error.what()));
    }
}

bool ListScreen::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the search key moves the focus to Trova and does nothing else.
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (m_options.enterMovesToFind)
                m_find->setFocus();
            return true;
        }
    }
    return DialogScreen::eventFilter(watched, event);
}

void ListScreen::keyPressEvent(QKeyEvent *event)
{
    // Enter on a focused command presses it, as on any button of the program.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget())) {
            button->click();
            return;
        }
        event->accept();
        return;
    }
    DialogScreen::keyPressEvent(event);
}
