#pragma once

#include "core/document/CDocObserver.h"
#include "core/views/lists/ListScrolling.h"
#include "gui/common/AppSettings.h"
#include "gui/views/CViewCommands.h"

#include <QAbstractScrollArea>
#include <QFont>

class CBottlewrightDoc;

// What the History List and the Bin List share: a font kept in their settings section, a list of
// lines scrolled a line at a time with the bar and the keys, painting through an off-screen image,
// and a rebuild on hint 121 only.
class CListView : public QAbstractScrollArea, public CDocObserver, public CViewCommands {
    Q_OBJECT
public:
    using ScrollCode = ListScrolling::ScrollCode;

    // section is the settings section of the font, e.g. "History List".
    CListView(CBottlewrightDoc& document, const char* section, QWidget* parent);
    // Writes the font settings.
    ~CListView() override;

    CBottlewrightDoc& document() const { return m_document; }
    const QFont& listFont() const { return m_font; }
    void setListFont(const QFont& font);
    // The font dialog, starting on the font in use.
    void selectFont();
    int topLine() const { return m_topLine; }
    void scrollVertically(ScrollCode code, int position = 0);

    void onUpdate(CDocObserver* sender, UpdateHint hint) override;
    bool hasCommand(int commandId) const override;
    void runCommand(int commandId) override;

    // The list is read again from the document (with the wait pointer) and shown again.
    void rebuild();

protected:
    virtual void rebuildList() = 0;
    virtual int lineCount() const = 0;
    // Lines that fit in the client area, from its height and the font.
    virtual int linesPerPage() const = 0;
    // Draws the list into the off-screen image, already filled with the background.
    virtual void paintList(QPainter& painter, const QRect& region) = 0;
    virtual void layoutChanged() {}
    // Whether a rebuild keeps the first line shown (within the new range) rather than going to the top.
    virtual bool keepsTopOnRebuild() const { return false; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int, int) override {}
    void updateVerticalBar();

private:
    void onVerticalAction(int action);

    CBottlewrightDoc& m_document;
    AppSettings::Key<int> m_fontSizeKey;
    AppSettings::Key<int> m_fontWeightKey;
    AppSettings::Key<int> m_fontItalicKey;
    AppSettings::Key<QString> m_fontFaceKey;
    QFont m_font;
    int m_topLine = 0;
};
