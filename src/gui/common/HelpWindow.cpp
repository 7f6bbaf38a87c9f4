#include "gui/common/HelpWindow.h"

#include "gui/common/CommandId.h"
#include "gui/common/ToolbarIcons.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHash>
#include <QPointer>
#include <QStyle>
#include <QTextBrowser>
#include <QTextStream>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kHelpRoot = QStringLiteral("qrc:/help/");

QPointer<HelpWindow>& theWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

// contexts.txt: one "number page" pair per line; the page may carry an anchor.
const QHash<int, QString>& contextPages() {
    static const QHash<int, QString> pages = [] {
        QHash<int, QString> read;
        QFile file(QStringLiteral(":/help/contexts.txt"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return read;
        QTextStream lines(&file);
        while (!lines.atEnd()) {
            const QStringList fields = lines.readLine().split(QLatin1Char(' '), Qt::SkipEmptyParts);
            bool ok = false;
            const int context = fields.size() == 2 ? fields[0].toInt(&ok) : 0;
            if (ok)
                read.insert(context, fields[1]);
        }
        return read;
    }();
    return pages;
}

QToolButton* navigationButton(const QString& text, const QIcon& icon, const QString& toolTip) {
    auto* button = new QToolButton;
    button->setText(text);
    button->setIcon(icon);
    button->setToolTip(toolTip);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

void showHelpContext(int context) {
    QPointer<HelpWindow>& window = theWindow();
    if (window.isNull())
        window = new HelpWindow;
    window->showContext(context);
    window->show();
    window->raise();
    window->activateWindow();
}

HelpWindow* HelpWindow::instance() {
    return theWindow().data();
}

void HelpWindow::destroyInstance() {
    delete theWindow().data();
}

QUrl HelpWindow::pageOfContext(int context) {
    if (context == kTopicFinder)
        return QUrl(kHelpRoot + QStringLiteral("index.html"));
    const QString page = contextPages().value(context);
    if (context == kContents || page.isEmpty())
        return QUrl(kHelpRoot + QStringLiteral("contents.html"));
    return QUrl(kHelpRoot + page);
}

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the main window ends the program even while the help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowIcon(ToolbarIcons::applicationIcon());
    resize(760, 620);

    m_back = navigationButton(QStringLiteral("&Back"), style()->standardIcon(QStyle::SP_ArrowBack),
                              QStringLiteral("Back to the page shown before"));
    m_forward = navigationButton(QStringLiteral("&Forward"), style()->standardIcon(QStyle::SP_ArrowForward),
                                 QStringLiteral("Forward again"));
    QToolButton* contents =
        navigationButton(QStringLiteral("&Contents"), ToolbarIcons::icon(CommandId::HelpContents),
                         QStringLiteral("The contents of the help"));
    QToolButton* index =
        navigationButton(QStringLiteral("&Index"), style()->standardIcon(QStyle::SP_FileDialogContentsView),
                         QStringLiteral("Look up a topic by name"));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    m_browser = new QTextBrowser;
    m_browser->setOpenExternalLinks(true);
    m_browser->setFrameShape(QFrame::NoFrame);
    m_browser->document()->setDocumentMargin(14);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 4, 6, 4);
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addSpacing(12);
    buttons->addWidget(contents);
    buttons->addWidget(index);
    buttons->addStretch();

    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(buttons);
    layout->addWidget(rule);
    layout->addWidget(m_browser);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(contents, &QToolButton::clicked, this, [this] { showContext(kContents); });
    connect(index, &QToolButton::clicked, this, [this] { showContext(kTopicFinder); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::updateTitle);
}

void HelpWindow::showContext(int context) {
    m_browser->setSource(pageOfContext(context));
}

QUrl HelpWindow::currentPage() const {
    return m_browser->source();
}

void HelpWindow::updateTitle() {
    const QString topic = m_browser->documentTitle().section(QStringLiteral(" - "), 0, 0);
    setWindowTitle(topic.isEmpty() || topic == QStringLiteral("Bottlewright Help")
                       ? QStringLiteral("Bottlewright Help")
                       : QStringLiteral("Bottlewright Help - %1").arg(topic));
}
