#pragma once

#include "core/views/graphs/GraphSettings.h"

#include <QColor>
#include <QDialog>
#include <QFont>

class CIntEdit;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;

// "Graph Window Appearance": edits the settings of one graph window. Each graph keeps one for its
// whole life; it also holds the graph's settings and font, loads them from the section named after the
// graph's class and writes them back when destroyed.
class CGraphAppearanceDlg : public QDialog {
    Q_OBJECT
public:
    explicit CGraphAppearanceDlg(GraphKind kind);
    ~CGraphAppearanceDlg() override;

    GraphKind kind() const { return m_kind; }
    void LoadSettings();
    GraphSettings& settings() { return m_settings; }
    const GraphSettings& settings() const { return m_settings; }
    const QFont& graphFont() const { return m_font; }

    // Takes another graph's appearance; its range stays.
    void CopyAppearance(const CGraphAppearanceDlg& source);

    // Enables the controls the graph uses and shows the settings; exec() does it first.
    void initDialog();
    int exec() override;
    void accept() override;

    static QColor toColor(int colorRef);
    static int toColorRef(const QColor& color);

    // Buttons that open a colour dialog: "&Bars...", "B&order...", "B&ackground...".
    enum class ColorChoice { Bars, Border, Background };
    void chooseColor(ColorChoice choice);
    void changeFont();
    void editRange();

private:
    QAbstractButton* radio(QButtonGroup* group, int id, const char* text, int controlId);
    QPushButton* button(const char* text, int controlId);
    QLabel* swatch(int controlId);
    void paintSwatches();
    void writeSettings();
    static int checkedOf(const QButtonGroup* group);
    static void check(QButtonGroup* group, int id);

    GraphKind m_kind;
    GraphSettings m_settings;
    QFont m_font;
    bool m_loaded = false;

    CIntEdit* m_numberBars = nullptr;
    CIntEdit* m_userBarLength = nullptr;
    QButtonGroup* m_barStyle = nullptr;
    QButtonGroup* m_orientation = nullptr;
    QButtonGroup* m_sort = nullptr;
    QButtonGroup* m_scope = nullptr;
    QCheckBox* m_gridLines = nullptr;
    QCheckBox* m_applyToAll = nullptr;
    QPushButton* m_rangeButton = nullptr;
    QLabel* m_barSwatch = nullptr;
    QLabel* m_backgroundSwatch = nullptr;
    QLabel* m_borderSwatch = nullptr;
    QLabel* m_sample = nullptr;
};
