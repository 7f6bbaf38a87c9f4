#include "TestFixtures.h"

#include <fstream>
#include <string>

#include <QTest>

void fillDocument(CBottlewrightDoc& document, int count) {
    for (int i = 0; i < count; ++i) {
        CWine& wine = *document.focusEntry(document.addNewEntry());
        wine.m_nVintage = 1980 + i % 20;
        wine.m_strProducer = "Producer " + std::to_string(i);
        wine.m_strAppellation = "Appellation";
        wine.m_nNumberAcquired = 12;
        wine.m_nNumberRemaining = i % 12;
        wine.m_fCost = 10.0f + static_cast<float>(i);
        wine.m_strNotes = "Notes of " + std::to_string(i) + "\nsecond line";
        wine.m_nLetterColor = i == 1 ? CWine::Red : CWine::Black;
    }
}

std::vector<int> reversedFieldIds() {
    std::vector<int> ids;
    for (int id = 24; id >= 0; --id)
        ids.push_back(id);
    return ids;
}

void writeArrangement(const std::filesystem::path& path, const std::vector<int>& ids, int width,
                      int widthStep) {
    std::ofstream out(path, std::ios::binary);
    for (size_t i = 0; i < ids.size(); ++i)
        out << ids[i] << ' ' << width + static_cast<int>(i) * widthStep << " 0\nHeading\n";
}

QPushButton* pushButton(const QWidget& parent, const char* name) {
    return parent.findChild<QPushButton*>(QString::fromLatin1(name));
}

std::unique_ptr<CEntryListView> showEntryList(EmptyCellar& cellar, int entries, QSize size) {
    fillDocument(cellar.document, entries);
    auto view = std::make_unique<CEntryListView>(cellar.document, cellar.names, cellar.shared);
    view->resize(size);
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get()))
        qWarning("the view was not exposed");
    return view;
}
