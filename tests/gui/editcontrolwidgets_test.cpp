#include "app/AppSwitches.h"
#include "editing/CCompletingCombo.h"
#include "editing/CDateEdit.h"
#include "editing/CDecimalEdit.h"
#include "editing/CIntEdit.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/TestStartDirectory.h"
#include "model/Today.h"
#include "setup/DropdownListLoader.h"

#include <fstream>
#include <functional>
#include <memory>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QStyle>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

enum Kind { Date, Decimal, Count };

std::unique_ptr<CSpinEdit> makeEdit(Kind kind) {
    switch (kind) {
    case Date:
        return std::make_unique<CDateEdit>();
    case Decimal:
        return std::make_unique<CDecimalEdit>();
    case Count:
        break;
    }
    return std::make_unique<CIntEdit>(false, true, 6, 12, 0, 2040);
}

void showFocused(QWidget& widget) {
    widget.show();
    widget.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&widget));
}

QStringList itemTexts(const QComboBox& combo) {
    QStringList texts;
    for (int row = 0; row < combo.count(); ++row)
        texts << combo.itemText(row);
    return texts;
}

} // namespace

class EditControlsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        setTodayOverride(CalendarDate{2003, 7, 4});
        AppSwitches::setSmartSelect(true);
    }
    void cleanup() { setTodayOverride(std::nullopt); }

    void upAndDownStepWithTheModifiersHeld_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("expected");
        const int up = Qt::Key_Up;
        const int down = Qt::Key_Down;
        const int ctrl = Qt::ControlModifier;
        const int shift = Qt::ShiftModifier;
        QTest::newRow("empty date") << int(Date) << "" << up << 0 << "7-4-03";
        QTest::newRow("date day") << int(Date) << "2-28-97" << up << 0 << "3-1-97";
        QTest::newRow("date day down") << int(Date) << "1-1-97" << down << 0 << "12-31-96";
        QTest::newRow("date month") << int(Date) << "1-31-97" << up << ctrl << "3-3-97";
        QTest::newRow("date year") << int(Date) << "2-29-96" << up << shift << "2-29-97";
        QTest::newRow("date unreadable") << int(Date) << "5-1" << up << 0 << "5-1";
        QTest::newRow("decimal") << int(Decimal) << "12.5" << up << 0 << "12.75";
        QTest::newRow("decimal shift") << int(Decimal) << "12.5" << up << shift << "22.50";
        QTest::newRow("decimal ctrl") << int(Decimal) << "0.50" << down << ctrl << "0.00";
        QTest::newRow("count") << int(Count) << "" << up << 0 << "1";
        QTest::newRow("count shift") << int(Count) << "2039" << up << shift << "2040";
        QTest::newRow("count ctrl") << int(Count) << "5" << up << ctrl << "11";
        QTest::newRow("count both") << int(Count) << "100" << down << (ctrl | shift) << "0";
    }
    void upAndDownStepWithTheModifiersHeld() {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, expected);
        const std::unique_ptr<CSpinEdit> edit = makeEdit(Kind(kind));
        edit->setText(text);
        showFocused(*edit);
        QTest::keyClick(edit.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(edit->text(), expected);
        // QTest released the modifiers again.
        QVERIFY(!edit->ctrlDown() && !edit->shiftDown());
    }

    void theSpinButtonStepsWithWhateverTheFlagsHold() {
        QWidget form;
        auto* layout = new QVBoxLayout(&form);
        auto* other = new QLineEdit;
        auto* count = new CIntEdit(false, true, 6, 12, 0, 2040);
        layout->addWidget(other);
        layout->addWidget(count);
        showFocused(form);
        other->setFocus();

        QTest::mouseClick(count->upButton(), Qt::LeftButton);
        QCOMPARE(count->text(), QString("1"));
        QVERIFY(count->hasFocus());
        QTest::mouseClick(count->downButton(), Qt::LeftButton);
        QCOMPARE(count->text(), QString("0"));

        QTest::keyPress(count, Qt::Key_Shift);
        QTest::mouseClick(count->upButton(), Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(count->text(), QString("12"));
        // Released while another control has the focus: this edit still holds Shift down.
        other->setFocus();
        QTest::keyRelease(other, Qt::Key_Shift);
        QTest::mouseClick(count->upButton(), Qt::LeftButton);
        QCOMPARE(count->text(), QString("24"));
        QTest::keyRelease(count, Qt::Key_Shift);
        QTest::mouseClick(count->upButton(), Qt::LeftButton);
        QCOMPARE(count->text(), QString("25"));

        // Pressed elsewhere: not seen.
        other->setFocus();
        QTest::keyPress(other, Qt::Key_Control);
        QTest::mouseClick(count->upButton(), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(count->text(), QString("26"));
        QTest::keyRelease(count, Qt::Key_Control);

        // Without a spin button there is nothing to click, but the keys still step.
        CIntEdit plain(false, false, 6, 12, 0, 10);
        QVERIFY(plain.upButton() == nullptr);
        plain.SetRange(0, 3);
        plain.setText("2");
        showFocused(plain);
        QTest::keyClick(&plain, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(plain.text(), QString("3"));
    }

    void theSpinButtonSitsInsideTheRightEdgeAndTextStopsBeforeIt() {
        for (Kind kind : {Date, Decimal, Count}) {
            const std::unique_ptr<CSpinEdit> edit = makeEdit(kind);
            edit->resize(120, 24);
            edit->show();
            const int extent = edit->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, edit.get());
            const QRect spin = edit->upButton()->geometry().united(edit->downButton()->geometry());
            QCOMPARE(spin.width(), extent);
            QVERIFY(edit->rect().contains(spin));
            QVERIFY(spin.right() >= edit->width() - 4);
            QCOMPARE(edit->textMargins().right(), extent);
            edit->resize(200, 30);
            QVERIFY(edit->upButton()->geometry().right() >= 196);
        }
    }

    void typedCharactersOutsideTheFilterAreDropped() {
        CDateEdit date;
        showFocused(date);
        QTest::keyClicks(&date, "5/1/95");
        QCOMPARE(date.text(), QString("5195"));
        QTest::keyClicks(&date, "ab-");
        QTest::keyClick(&date, Qt::Key_Backspace);
        QTest::keyClick(&date, Qt::Key_Home);
        QTest::keyClick(&date, Qt::Key_Delete);
        QCOMPARE(date.text(), QString("195"));

        QApplication::clipboard()->setText("7-4-03");
        QTest::keyClick(&date, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&date, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&date, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(date.text(), QString("195"));
        date.paste(); // the context menu's paste is not filtered
        QCOMPARE(date.text(), QString("7-4-03195"));

        CDecimalEdit amount;
        showFocused(amount);
        QTest::keyClicks(&amount, "$1-2.5x");
        QCOMPARE(amount.text(), QString("12.5"));
        QCOMPARE(amount.GetNormalizedText(), QString("12.50"));
        amount.setText("1.2.3");
        QCOMPARE(amount.GetNormalizedText(), QString());

        CIntEdit count(true, true, 6, 12, 0, 2040);
        showFocused(count);
        QTest::keyClicks(&count, "-1.5e");
        QCOMPARE(count.text(), QString("-15"));
    }

    void upAndDownStayWithTheEditInsideADialog() {
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* count = new CIntEdit(false, true, 6, 12, 0, 2040);
        auto* next = new CIntEdit(false, true, 6, 12, 0, 2040);
        layout->addWidget(count);
        layout->addWidget(next);
        showFocused(dialog);
        count->setFocus();
        QTest::keyClick(count, Qt::Key_Down);
        QTest::keyClick(count, Qt::Key_Up);
        QTest::keyClick(count, Qt::Key_Up);
        QCOMPARE(count->text(), QString("2"));
        QVERIFY(count->hasFocus());
        QCOMPARE(next->text(), QString());
    }

    void validateShowsTheMessageAndFails_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("blankAllowed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString date =
            "Please enter a valid date formatted as\nmm-dd-yy, m-dd-yy, mm-d-yy, or m-d-yy.\n"
            "For example, 10-31-92 or 5-1-95.";
        const QString notNonNegative = "Please enter a\nnon-negative integer";
        QTest::newRow("empty date") << int(Date) << false << ""
                                    << "";
        QTest::newRow("date") << int(Date) << false << "10-31-92"
                              << "";
        QTest::newRow("no day check") << int(Date) << false << "2-30-95"
                                      << "";
        QTest::newRow("long year") << int(Date) << false << "1-1-1995" << date;
        QTest::newRow("month 13") << int(Date) << false << "13-1-95" << date;
        QTest::newRow("no year") << int(Date) << false << "5-1" << date;
        QTest::newRow("negative") << int(Count) << false << "-5" << notNonNegative;
        QTest::newRow("eight digits") << int(Count) << false << "12345678"
                                      << "Please enter fewer characters.\n";
        QTest::newRow("blank refused") << int(Count) << false << "" << notNonNegative;
        QTest::newRow("blank allowed") << int(Count) << true << ""
                                       << "";
        QTest::newRow("above maximum") << int(Count) << false << "99999"
                                       << "";
    }
    void validateShowsTheMessageAndFails() {
        QFETCH(int, kind);
        QFETCH(bool, blankAllowed);
        QFETCH(QString, text);
        QFETCH(QString, message);
        CDateEdit date;
        CIntEdit count(blankAllowed, true, 6, 12, 0, 2040);
        CSpinEdit& edit = kind == Date ? static_cast<CSpinEdit&>(date) : count;
        edit.setText(text);
        edit.show();

        // How the box looks: no icon, the program's name as its title, one OK button.
        QMessageBox::Icon icon = QMessageBox::Information;
        QString title;
        qsizetype buttons = 0;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                icon = box->icon();
                title = box->windowTitle();
                buttons = box->buttons().size();
            }
        });
        MessageBoxCatcher boxes;
        const bool valid = kind == Date ? date.Validate() : count.Validate();
        QCOMPARE(valid, message.isEmpty());
        QCOMPARE(boxes.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!valid) {
            QCOMPARE(icon, QMessageBox::NoIcon);
            QCOMPARE(title, QString("Bottlewright"));
            QCOMPARE(buttons, 1);
        }
    }

    void sortedCombosKeepAlphabeticalOrderIgnoringCase() {
        CCompletingCombo sorted(true);
        CCompletingCombo unsorted(false);
        for (const char* item : {"zeta", "Alpha", "beta", "Beta", "alpha"}) {
            sorted.addListItem(item);
            unsorted.addListItem(item);
        }
        QCOMPARE(itemTexts(sorted), (QStringList{"Alpha", "alpha", "beta", "Beta", "zeta"}));
        QCOMPARE(itemTexts(unsorted), (QStringList{"zeta", "Alpha", "beta", "Beta", "alpha"}));
        QVERIFY(sorted.isEditable());
        QVERIFY(sorted.completer() == nullptr);
    }

    void typingCompletesFromTheOpenListWhileSmartSelectIsOn_data() {
        QTest::addColumn<bool>("smartSelect");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::newRow("ber") << true << "ber"
                             << "Berrow"
                             << "row";
        QTest::newRow("BE") << true << "BE"
                            << "Bellwick"
                            << "llwick";
        QTest::newRow("typing on") << true << "bx"
                                   << "Bx"
                                   << ""; // b completed, x replaced the rest
        QTest::newRow("off") << false << "ber"
                             << "ber"
                             << "";
    }
    void typingCompletesFromTheOpenListWhileSmartSelectIsOn() {
        QFETCH(bool, smartSelect);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        AppSwitches::setSmartSelect(smartSelect);
        QWidget form;
        auto* layout = new QVBoxLayout(&form);
        auto* other = new QLineEdit;
        auto* combo = new CCompletingCombo(true);
        layout->addWidget(other);
        layout->addWidget(combo);
        combo->addListItem("Berrow");
        combo->addListItem("Bellwick");
        combo->setCurrentIndex(-1);
        showFocused(form);
        other->setFocus();
        combo->setFocus(Qt::TabFocusReason);
        QCOMPARE(combo->view()->isVisible(), smartSelect);
        if (!smartSelect)
            combo->showPopup();
        // Keys go where the user's keys would go while the list is open.
        QTest::keyClicks(nullptr, typed);
        QCOMPARE(combo->lineEdit()->text(), text);
        QCOMPARE(combo->lineEdit()->selectedText(), selected);
        if (text == "Berrow")
            QCOMPARE(combo->view()->currentIndex().row(), 1);
        combo->hidePopup();

        // With the list closed typing is plain typing.
        combo->lineEdit()->clear();
        QTest::keyClicks(combo->lineEdit(), "ber");
        QCOMPARE(combo->lineEdit()->text(), QString("ber"));
    }

    void anEmptyComboOpensItsListOnFocusOrButtonPress() {
        QWidget form;
        auto* layout = new QVBoxLayout(&form);
        auto* other = new QLineEdit;
        auto* combo = new CCompletingCombo(false);
        layout->addWidget(other);
        layout->addWidget(combo);
        combo->addListItem("Berrow");
        combo->setCurrentIndex(-1);
        showFocused(form);

        const QPoint button(combo->width() - 5, combo->height() / 2);
        struct Case {
            bool smartSelect;
            QString text;
            bool opens;
        };
        for (const Case& c : {Case{true, "", true}, Case{true, "Berrow", false}, Case{false, "", false}}) {
            AppSwitches::setSmartSelect(c.smartSelect);
            combo->setEditText(c.text);
            other->setFocus();
            combo->setFocus(Qt::TabFocusReason);
            QCOMPARE(combo->view()->isVisible(), c.opens);
            combo->hidePopup();
            QCOMPARE(combo->view()->isVisible(), false); // closing the list does not reopen it

            if (c.smartSelect && c.text.isEmpty()) {
                other->setFocus();
                QTest::mousePress(combo, Qt::LeftButton, {}, button);
                QVERIFY(combo->view()->isVisible());
                QCOMPARE(form.focusWidget(), combo);
                combo->hidePopup();
                QVERIFY(combo->hasFocus());
            }
        }
    }

    void theLoaderFillsACombo() {
        TestStartDirectory start(TestStartDirectory::Empty);
        std::ofstream(start.path() / "producer.cbi", std::ios::binary)
            << "Chateau Zed\r\n\r\nabbey\r\nBerrow\r\n";
        std::ofstream(start.path() / "quality.cbi", std::ios::binary) << "90\r\n100\r\n95\r\n";
        std::ofstream(start.path() / "bins.cbi", std::ios::binary) << "B1\r\nA10\r\nA2\r\n";
        std::ofstream(start.path() / "region.cbi", std::ios::binary)
            << "R\xF4ne\r\n"; // Windows-1252 o circumflex
        const std::pair<const char*, QStringList> cases[] = {
            {"producer.cbi", {"abbey", "Berrow", "Chateau Zed"}},
            {"quality.cbi", {"100", "95", "90"}},
            {"bins.cbi", {"A2", "A10", "B1"}},
            {"region.cbi", {QString::fromUtf8("Rône")}},
            {"missing.cbi", {}},
        };
        for (const auto& [file, items] : cases) {
            const std::string name = file;
            CCompletingCombo combo(name != "quality.cbi" && name != "bins.cbi");
            loadDropdownList(combo, start.path(), name);
            QCOMPARE(itemTexts(combo), items);
        }
    }
};

QTEST_MAIN(EditControlsTest)
#include "editcontrolwidgets_test.moc"
