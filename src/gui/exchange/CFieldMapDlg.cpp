#include "gui/exchange/CFieldMapDlg.h"

#include "core/document/IntegerOrBlank.h"
#include "core/exchange/TabText.h"
#include "core/setup/FieldNames.h"
#include "gui/common/TextConvert.h"

#include <fstream>

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kMapFilter = QStringLiteral("Import/Export Maps (*.bwx)");
const QString kConsecutive =
    QStringLiteral("Please enter consecutive numerals beggining with \"1\"\nand ending with the number of "
                   "fields you want to export.\nLeave all other boxes blank.");
constexpr int kRowsPerColumn = 12;

} // namespace

CFieldMapDlg::CFieldMapDlg(Mode mode, const std::filesystem::path& path, const FieldNames& fieldNames,
                           std::filesystem::path startDirectory, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_startDirectory(std::move(startDirectory)) {
    setWindowTitle(mode == Mode::Export ? QStringLiteral("Fields to Export")
                                        : QStringLiteral("Fields to Import"));
    m_prompt = [this](FilePrompt::Mode how, const QString& caption, const std::filesystem::path& folder,
                      const QString& filter, const QString& suffix) {
        return FilePrompt::ask(this, how, caption, folder, filter, suffix);
    };

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(3);
    for (int position = 0; position < FieldMap::kFieldCount; ++position) {
        const int mapField = FieldMap::dialogOrder()[position];
        auto* button = new QPushButton(toQt(fieldNames.name(FieldMap::fieldIndex(mapField))));
        button->setAutoDefault(false);
        button->setMinimumWidth(110);
        auto* box = new QLineEdit;
        box->setFixedWidth(40);
        box->setAlignment(Qt::AlignRight);
        m_buttons[position] = button;
        m_boxes[position] = box;
        const int row = position % kRowsPerColumn;
        const int column = position / kRowsPerColumn * 3;
        fields->addWidget(button, row, column);
        fields->addWidget(box, row, column + 1);
        connect(button, &QPushButton::clicked, this, [this, position] { numberField(position); });
    }
    fields->setColumnMinimumWidth(2, 16);

    auto* hint = new QLabel(mode == Mode::Export
                                ? QStringLiteral("Click the fields in the order of the columns to write,\n"
                                                 "or type their column numbers.")
                                : QStringLiteral("Give each field the number of the column it comes from,\n"
                                                 "or click the fields in column order."));
    auto* left = new QVBoxLayout;
    left->addWidget(hint);
    left->addLayout(fields);
    left->addStretch();

    auto* buttons = new QVBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    auto* clearButton = new QPushButton(QStringLiteral("&Clear"));
    auto* storeButton = new QPushButton(QStringLiteral("&Store"));
    auto* retrieveButton = new QPushButton(QStringLiteral("&Retrieve"));
    auto* help = new QPushButton(QStringLiteral("&Help"));
    for (QPushButton* button : {ok, cancel, clearButton, storeButton, retrieveButton, help}) {
        if (button != ok)
            button->setAutoDefault(false);
        buttons->addWidget(button);
        if (button == cancel || button == retrieveButton)
            buttons->addSpacing(12);
    }
    buttons->addStretch();
    connect(ok, &QPushButton::clicked, this, &CFieldMapDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CFieldMapDlg::reject);
    connect(clearButton, &QPushButton::clicked, this, &CFieldMapDlg::clear);
    connect(storeButton, &QPushButton::clicked, this, &CFieldMapDlg::store);
    connect(retrieveButton, &QPushButton::clicked, this, &CFieldMapDlg::retrieve);
    connect(help, &QPushButton::clicked, this, [this] {
        Q_EMIT helpRequested(m_mode == Mode::Import ? kImportHelpContext : kExportHelpContext);
    });

    auto* layout = new QHBoxLayout(this);
    if (mode == Mode::Import) {
        auto* columns = new QVBoxLayout;
        columns->addWidget(new QLabel(QStringLiteral("Columns of the file:")));
        m_header = new QPlainTextEdit;
        m_header->setReadOnly(true);
        m_header->setLineWrapMode(QPlainTextEdit::NoWrap);
        m_header->setFixedWidth(180);
        columns->addWidget(m_header);
        layout->addLayout(columns);
        readHeader(path);
    }
    layout->addLayout(left);
    layout->addLayout(buttons);
    showMap();
}

void CFieldMapDlg::readHeader(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string start(TabText::kLongestHeader + 2, '\0');
    in.read(start.data(), static_cast<std::streamsize>(start.size()));
    start.resize(static_cast<std::size_t>(in.gcount()));
    const std::vector<std::string_view> columns = TabText::headerColumns(TabText::headerLine(start));
    m_columnCount = static_cast<int>(columns.size());
    QString text;
    for (std::size_t n = 0; n < columns.size(); ++n)
        text += QStringLiteral("%1) ").arg(n + 1, 2) + toQt(std::string(columns[n])) + QLatin1Char('\n');
    m_header->setPlainText(text);
}

void CFieldMapDlg::numberField(int position) {
    m_boxes[position]->setText(QString::number(m_nextNumber++));
}

void CFieldMapDlg::clear() {
    for (QLineEdit* box : m_boxes)
        box->clear();
    m_nextNumber = 1;
}

int CFieldMapDlg::largestNumber() const {
    return m_mode == Mode::Export ? FieldMap::kFieldCount : m_columnCount;
}

void CFieldMapDlg::focusBox(int position) {
    m_boxes[position]->setFocus();
    m_boxes[position]->selectAll();
}

bool CFieldMapDlg::takeBoxes() {
    for (int position = 0; position < FieldMap::kFieldCount; ++position) {
        const int mapField = FieldMap::dialogOrder()[position];
        int column = m_map.column(mapField);
        const bool taken = IntegerOrBlank::take(m_boxes[position]->text().toStdString(), column,
                                                FieldMap::kUnmapped, 1, largestNumber());
        m_map.setColumn(mapField, column);
        if (!taken) {
            QMessageBox::warning(this, QStringLiteral("Bottlewright"),
                                 QString::fromStdString(IntegerOrBlank::message(1, largestNumber())));
            focusBox(position);
            return false;
        }
    }
    return true;
}

void CFieldMapDlg::showMap() {
    for (int position = 0; position < FieldMap::kFieldCount; ++position) {
        const int column = m_map.column(FieldMap::dialogOrder()[position]);
        m_boxes[position]->setText(
            QString::fromStdString(IntegerOrBlank::toText(column, FieldMap::kUnmapped, 1, largestNumber())));
    }
}

void CFieldMapDlg::accept() {
    if (m_mode == Mode::Import) {
        m_filledCount = 0;
        for (const QLineEdit* box : m_boxes)
            m_filledCount += box->text().isEmpty() ? 0 : 1;
    } else {
        std::array<std::string, FieldMap::kFieldCount> boxes;
        for (int position = 0; position < FieldMap::kFieldCount; ++position)
            boxes[position] = m_boxes[position]->text().toStdString();
        std::optional<int> offending;
        if (!FieldMap::checkExportBoxes(boxes, offending)) {
            QMessageBox::warning(this, QStringLiteral("Bottlewright"), kConsecutive);
            if (offending)
                focusBox(*offending);
            return;
        }
    }
    if (takeBoxes())
        QDialog::accept();
}

void CFieldMapDlg::store() {
    const std::filesystem::path path = m_prompt(FilePrompt::Mode::Save, QStringLiteral("Save Mapping Scheme"),
                                                m_startDirectory, kMapFilter, QStringLiteral("bwx"));
    if (path.empty() || !takeBoxes())
        return;
    // A map that cannot be written is not reported: the mapping itself stays usable.
    (void)m_map.store(path);
}

void CFieldMapDlg::retrieve() {
    const std::filesystem::path path =
        m_prompt(FilePrompt::Mode::Open, QStringLiteral("Retrieve Mapping Scheme"), m_startDirectory,
                 kMapFilter, QStringLiteral("bwx"));
    if (path.empty())
        return;
    m_map.retrieve(path);
    showMap();
}
