#include "gui/views/graphs/CGraphAppearanceDlg.h"

#include "gui/editing/CIntEdit.h"
#include "gui/views/graphs/CGraphRangeDlg.h"

#include <cstdlib>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

QString key(GraphKind kind, const char* name) {
    return QString::fromLatin1(graphKindInfo(kind).className) + QLatin1Char('/') + QString::fromLatin1(name);
}

// Settings keep Windows font weights, 100 (thin) to 900 (black); 0 means "any", taken as normal.
QFont makeFont(const GraphSettings& settings) {
    QFont font(QString::fromStdString(settings.fontFace));
    font.setPixelSize(settings.fontHeight != 0 ? std::abs(settings.fontHeight) : 12);
    font.setWeight(settings.fontWeight <= 0
                       ? QFont::Normal
                       : static_cast<QFont::Weight>(std::min(settings.fontWeight, 1000)));
    font.setItalic(settings.fontIsItalic != 0);
    return font;
}

QGroupBox* group(const char* title, QLayout* layout) {
    auto* box = new QGroupBox(QString::fromLatin1(title));
    box->setLayout(layout);
    return box;
}

CIntEdit* wholeNumberEdit(int controlId) {
    auto* edit = new CIntEdit(false, true, 6, 12, 0, 2040);
    edit->setObjectName(QString::number(controlId));
    return edit;
}

} // namespace

CGraphAppearanceDlg::CGraphAppearanceDlg(GraphKind kind) : m_kind(kind) {
    setWindowTitle(QStringLiteral("Graph Window Appearance"));
    forceFixedSettings(m_kind, m_settings);
    m_font = makeFont(m_settings);

    m_numberBars = wholeNumberEdit(1228);
    auto* numberBox = new QVBoxLayout;
    numberBox->addWidget(m_numberBars);

    m_barStyle = new QButtonGroup(this);
    m_userBarLength = wholeNumberEdit(1257);
    auto* lengthBox = new QGridLayout;
    lengthBox->addWidget(radio(m_barStyle, 0, "Dynamic", 1230), 0, 0);
    lengthBox->addWidget(radio(m_barStyle, 1, "Fixed (auto)", 1235), 1, 0);
    lengthBox->addWidget(radio(m_barStyle, 2, "Fixed as:", 1256), 2, 0);
    lengthBox->addWidget(m_userBarLength, 2, 1);

    m_orientation = new QButtonGroup(this);
    auto* orientationBox = new QVBoxLayout;
    orientationBox->addWidget(radio(m_orientation, 0, "Horizontal", 1236));
    orientationBox->addWidget(radio(m_orientation, 1, "Vertical", 1114));

    m_sort = new QButtonGroup(this);
    auto* sortBox = new QVBoxLayout;
    sortBox->addWidget(radio(m_sort, 0, "Acending Alphabetic", 1231));
    sortBox->addWidget(radio(m_sort, 1, "Decending Alphabetic", 1232));
    sortBox->addWidget(radio(m_sort, 2, "Ascending Bar Size", 1233));
    sortBox->addWidget(radio(m_sort, 3, "Decending Bar Size", 1234));

    m_scope = new QButtonGroup(this);
    auto* scopeBox = new QVBoxLayout;
    scopeBox->addWidget(radio(m_scope, 0, "Show Bottles Remaining", 1209));
    scopeBox->addWidget(radio(m_scope, 1, "Show Bottles Acquired", 1210));
    scopeBox->addWidget(radio(m_scope, 2, "Show Bottles Consumed", 1239));

    m_gridLines = new QCheckBox(QStringLiteral("Show Grid Lines"));
    m_gridLines->setObjectName(QStringLiteral("1250"));
    m_applyToAll = new QCheckBox(QStringLiteral("Apply to All Open Graphs"));
    m_applyToAll->setObjectName(QStringLiteral("1284"));

    m_barSwatch = swatch(1245);
    m_backgroundSwatch = swatch(1247);
    m_borderSwatch = swatch(1248);
    auto* colors = new QGridLayout;
    QPushButton* bars = button("&Bars...", 1241);
    QPushButton* border = button("B&order...", 1244);
    QPushButton* background = button("B&ackground...", 1243);
    colors->addWidget(bars, 0, 0);
    colors->addWidget(m_barSwatch, 0, 1);
    colors->addWidget(border, 1, 0);
    colors->addWidget(m_borderSwatch, 1, 1);
    colors->addWidget(background, 2, 0);
    colors->addWidget(m_backgroundSwatch, 2, 1);
    connect(bars, &QPushButton::clicked, this, [this] { chooseColor(ColorChoice::Bars); });
    connect(border, &QPushButton::clicked, this, [this] { chooseColor(ColorChoice::Border); });
    connect(background, &QPushButton::clicked, this, [this] { chooseColor(ColorChoice::Background); });

    QPushButton* font = button("Change &Font...", 1249);
    connect(font, &QPushButton::clicked, this, &CGraphAppearanceDlg::changeFont);
    m_sample = new QLabel(QStringLiteral("Aa Bb Cc 0123 Xx Yy Zz"));
    m_sample->setObjectName(QStringLiteral("1291"));
    m_sample->setAutoFillBackground(true);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumHeight(40);
    m_sample->setFrameShape(QFrame::Box);
    m_rangeButton = button("&Range...", 1251);
    connect(m_rangeButton, &QPushButton::clicked, this, &CGraphAppearanceDlg::editRange);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CGraphAppearanceDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CGraphAppearanceDlg::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(group("Number of Bars", numberBox));
    left->addWidget(group("Maximum Bar Length", lengthBox));
    left->addWidget(group("Bar Orientation", orientationBox));
    left->addWidget(m_gridLines);
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(group("Sorting Scheme", sortBox));
    middle->addWidget(group("Scope", scopeBox));
    middle->addWidget(m_applyToAll);
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(group("Colors", colors));
    right->addWidget(font);
    right->addWidget(m_sample);
    right->addWidget(m_rangeButton);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
}

CGraphAppearanceDlg::~CGraphAppearanceDlg() {
    if (m_loaded)
        writeSettings();
}

QAbstractButton* CGraphAppearanceDlg::radio(QButtonGroup* group, int id, const char* text, int controlId) {
    auto* button = new QRadioButton(QString::fromLatin1(text));
    button->setObjectName(QString::number(controlId));
    group->addButton(button, id);
    return button;
}

QPushButton* CGraphAppearanceDlg::button(const char* text, int controlId) {
    auto* result = new QPushButton(QString::fromLatin1(text));
    result->setObjectName(QString::number(controlId));
    result->setAutoDefault(false);
    return result;
}

QLabel* CGraphAppearanceDlg::swatch(int controlId) {
    auto* label = new QLabel;
    label->setObjectName(QString::number(controlId));
    label->setAutoFillBackground(true);
    label->setFixedSize(40, 20);
    label->setFrameShape(QFrame::Box);
    return label;
}

void CGraphAppearanceDlg::LoadSettings() {
    QSettings store;
    const auto read = [&store, this](const GraphSettingKey& entry) {
        bool ok = false;
        const int value = store.value(key(m_kind, entry.key)).toInt(&ok);
        if (ok)
            m_settings.*(entry.member) = value;
    };
    for (const GraphSettingKey& entry : graphSettingKeys())
        read(entry);
    for (const GraphSettingKey& entry : graphRangeKeys(m_kind))
        read(entry);
    m_settings.fontFace = store.value(key(m_kind, "Font Face"), QString::fromStdString(m_settings.fontFace))
                              .toString()
                              .toStdString();
    forceFixedSettings(m_kind, m_settings);
    m_font = makeFont(m_settings);
    m_loaded = true;
}

void CGraphAppearanceDlg::writeSettings() {
    m_settings.fontFace = m_font.family().toStdString();
    m_settings.fontHeight = m_font.pixelSize() > 0 ? m_font.pixelSize() : QFontInfo(m_font).pixelSize();
    m_settings.fontWeight = static_cast<int>(m_font.weight());
    m_settings.fontIsItalic = m_font.italic() ? 1 : 0;
    QSettings store;
    for (const GraphSettingKey& entry : graphSettingKeys())
        store.setValue(key(m_kind, entry.key), m_settings.*(entry.member));
    for (const GraphSettingKey& entry : graphRangeKeys(m_kind))
        store.setValue(key(m_kind, entry.key), m_settings.*(entry.member));
    store.setValue(key(m_kind, "Font Face"), QString::fromStdString(m_settings.fontFace));
}

void CGraphAppearanceDlg::CopyAppearance(const CGraphAppearanceDlg& source) {
    copyAppearance(m_settings, source.m_settings, m_kind);
    m_font = source.m_font;
}

QColor CGraphAppearanceDlg::toColor(int colorRef) {
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

int CGraphAppearanceDlg::toColorRef(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

int CGraphAppearanceDlg::checkedOf(const QButtonGroup* group) {
    return group->checkedId() >= 0 ? group->checkedId() : -1;
}

void CGraphAppearanceDlg::check(QButtonGroup* group, int id) {
    // a setting of -1 leaves the group without a choice
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(group->id(button) == id);
    group->setExclusive(true);
}

void CGraphAppearanceDlg::initDialog() {
    const bool unsorted = isUnsortedGraph(m_kind);
    for (QAbstractButton* button : m_sort->buttons())
        button->setEnabled(!unsorted);
    m_rangeButton->setEnabled(hasGraphRange(m_kind));
    const bool spending = m_kind == GraphKind::Spending;
    for (QAbstractButton* button : m_scope->buttons())
        button->setEnabled(!spending);
    m_userBarLength->SetRange(0, spending ? 1000000 : 2040);

    m_numberBars->setText(QString::number(m_settings.numberBars));
    m_userBarLength->setText(QString::number(m_settings.userBarLength));
    check(m_barStyle, m_settings.barStyle);
    check(m_orientation, m_settings.vertical);
    check(m_sort, m_settings.sort);
    check(m_scope, m_settings.scope);
    m_gridLines->setChecked(m_settings.gridLines != 0);
    m_applyToAll->setChecked(m_settings.applyToAll);
    paintSwatches();
}

int CGraphAppearanceDlg::exec() {
    initDialog();
    return QDialog::exec();
}

void CGraphAppearanceDlg::paintSwatches() {
    const auto fill = [](QLabel* label, const QColor& color) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, color);
        label->setPalette(palette);
    };
    fill(m_barSwatch, toColor(m_settings.barColor));
    fill(m_backgroundSwatch, toColor(m_settings.backgroundColor));
    fill(m_borderSwatch, toColor(m_settings.borderColor));
    fill(m_sample, toColor(m_settings.borderColor));
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::WindowText, toColor(m_settings.textColor));
    m_sample->setPalette(palette);
    m_sample->setFont(m_font);
}

void CGraphAppearanceDlg::chooseColor(ColorChoice choice) {
    int& color = choice == ColorChoice::Bars     ? m_settings.barColor
                 : choice == ColorChoice::Border ? m_settings.borderColor
                                                 : m_settings.backgroundColor;
    const QColor chosen = QColorDialog::getColor(toColor(color), this);
    if (!chosen.isValid())
        return;
    color = toColorRef(chosen);
    paintSwatches();
}

void CGraphAppearanceDlg::changeFont() {
    bool ok = false;
    QFont font = QFontDialog::getFont(&ok, m_font, this);
    if (!ok)
        return;
    font.setUnderline(false);
    font.setStrikeOut(false);
    m_font = font;
    // the platform's font dialog has no colour; the text colour is asked for next
    const QColor text =
        QColorDialog::getColor(toColor(m_settings.textColor), this, QStringLiteral("Text Color"));
    if (text.isValid())
        m_settings.textColor = toColorRef(text);
    paintSwatches();
}

void CGraphAppearanceDlg::editRange() {
    const char* caption = m_kind == GraphKind::Vintage ? "Vintage Range"
                          : m_kind == GraphKind::Cost  ? "Cost Range"
                                                       : "Value Range";
    const GraphRange range = graphRange(m_kind, m_settings);
    CGraphRangeDlg dialog(QString::fromLatin1(caption), range.minimum, range.maximum, this);
    if (dialog.exec() == QDialog::Accepted)
        setGraphRange(m_kind, m_settings, {dialog.minimum(), dialog.maximum()});
}

void CGraphAppearanceDlg::accept() {
    for (CIntEdit* edit : {m_numberBars, m_userBarLength}) {
        if (!edit->Validate()) {
            edit->selectAll();
            edit->setFocus();
            return;
        }
    }
    m_settings.numberBars = m_numberBars->text().trimmed().toInt();
    m_settings.userBarLength = m_userBarLength->text().trimmed().toInt();
    m_settings.barStyle = checkedOf(m_barStyle);
    m_settings.vertical = checkedOf(m_orientation);
    m_settings.sort = checkedOf(m_sort);
    m_settings.scope = checkedOf(m_scope);
    m_settings.gridLines = m_gridLines->isChecked() ? 1 : 0;
    m_settings.applyToAll = m_applyToAll->isChecked();
    if (m_settings.applyToAll) {
        QMessageBox question(QMessageBox::Question, QApplication::applicationDisplayName(),
                             QStringLiteral("You have chosen to apply these settings\nto all open graph "
                                            "windows. Are you sure?\n(Click \"NO\" otherwise.)"),
                             QMessageBox::Yes | QMessageBox::No, this);
        if (question.exec() != QMessageBox::Yes)
            m_settings.applyToAll = false;
    }
    QDialog::accept();
}
