#include "core/model/Today.h"
#include "gui/common/AppSwitches.h"
#include "gui/editing/CCompletingCombo.h"
#include "gui/editing/CDateEdit.h"
#include "gui/editing/CDecimalEdit.h"
#include "gui/editing/CIntEdit.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/WidgetItems.h"

#include <memory>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

enum Kind { Date, Decimal, Count };

std::unique_ptr<CSpinEdit> makeEdit(Kind kind) {
    if (kind == Date)
        return std::make_unique<CDateEdit>();
    if (kind == Decimal)
        return std::make_unique<CDecimalEdit>();
    return std::make_unique<CIntEdit>(false, true, 6, 12, 0, 2040);
}

void showFocused(QWidget& widget) {
    widget.show();
    widget.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&widget));
}

// A shown, active window holding a plain line edit above the control under test.
template <class Control> struct Form {
    template <class... Args> explicit Form(Args... args) : control(new Control(args...)) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(other);
        layout->addWidget(control);
    }
    void show() {
        showFocused(window);
        other->setFocus();
    }
    QDialog window;
    QLineEdit* other = new QLineEdit;
    Control* control;
};

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
        // What each step gives is the core's table; these rows show that keys and modifiers reach it.
        const int up = Qt::Key_Up;
        const int down = Qt::Key_Down;
        const int ctrl = Qt::ControlModifier;
        const int shift = Qt::ShiftModifier;
        QTest::newRow("date month") << int(Date) << "1-31-97" << up << ctrl << "3-3-97";
        QTest::newRow("decimal shift") << int(Decimal) << "12.5" << up << shift << "22.50";
        QTest::newRow("count both") << int(Count) << "100" << down << (ctrl | shift) << "0";
    }
    void upAndDownStepWithTheModifiersHeld() {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, expected);
        // Inside a dialog, where Up and Down could move the focus instead.
        Form<QWidget> form;
        const std::unique_ptr<CSpinEdit> edit = makeEdit(Kind(kind));
        form.window.layout()->addWidget(edit.get());
        edit->setText(text);
        form.show();
        edit->setFocus();
        QTest::keyClick(edit.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(edit->text(), expected);
        QVERIFY(edit->hasFocus());
        // QTest released the modifiers again.
        QVERIFY(!edit->ctrlDown() && !edit->shiftDown());
    }

    void theSpinButtonStepsWithWhateverTheFlagsHold() {
        Form<CIntEdit> form(false, true, 6, 12, 0, 2040);
        CIntEdit* count = form.control;
        form.show();
        QTest::mouseClick(count->upButton(), Qt::LeftButton);
        QCOMPARE(count->text(), QString("1"));
        QVERIFY(count->hasFocus());
        QTest::mouseClick(count->downButton(), Qt::LeftButton);
        QCOMPARE(count->text(), QString("0"));

        QTest::keyPress(count, Qt::Key_Shift);
        QTest::mouseClick(count->upButton(), Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(count->text(), QString("12"));
        // Released while another control has the focus: this edit still holds Shift down.
        form.other->setFocus();
        QTest::keyRelease(form.other, Qt::Key_Shift);
        QTest::mouseClick(count->upButton(), Qt::LeftButton);
        QCOMPARE(count->text(), QString("24"));
        QTest::keyRelease(count, Qt::Key_Shift);
        QTest::mouseClick(count->upButton(), Qt::LeftButton);
        QCOMPARE(count->text(), QString("25"));
        // Pressed elsewhere: not seen.
        form.other->setFocus();
        QTest::keyPress(form.other, Qt::Key_Control);
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
        // Shortcuts are not typed characters: after select-all, typing replaces the text.
        QTest::keyClick(&date, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&date, "3");
        QCOMPARE(date.text(), QString("3"));
        QApplication::clipboard()->setText("7-4-03");
        date.paste(); // pasting is not filtered
        QCOMPARE(date.text(), QString("37-4-03"));

        CDecimalEdit amount;
        showFocused(amount);
        QTest::keyClicks(&amount, "$1-2.5x");
        QCOMPARE(amount.text(), QString("12.5"));
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
        QTest::newRow("date") << int(Date) << false << "10-31-92" << QString();
        QTest::newRow("month 13") << int(Date) << false << "13-1-95" << date;
        QTest::newRow("blank refused") << int(Count) << false << QString() << notNonNegative;
        QTest::newRow("blank allowed") << int(Count) << true << QString() << QString();
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
        QString look;
        QTimer::singleShot(0, [&look] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                look = QStringLiteral("%1 %2 %3")
                           .arg(int(box->icon()))
                           .arg(box->windowTitle())
                           .arg(box->buttons().size());
        });
        MessageBoxCatcher boxes;
        const bool valid = kind == Date ? date.Validate() : count.Validate();
        QCOMPARE(valid, message.isEmpty());
        QCOMPARE(boxes.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(look, valid ? QString() : QStringLiteral("%1 Bottlewright 1").arg(int(QMessageBox::NoIcon)));
    }

    void sortedCombosKeepAlphabeticalOrderIgnoringCase() {
        CCompletingCombo sorted(true);
        CCompletingCombo unsorted(false);
        for (const char* item : {"zeta", "Alpha", "beta", "Beta", "alpha"}) {
            sorted.addListItem(item);
            unsorted.addListItem(item);
        }
        QCOMPARE(comboItems(sorted), (QStringList{"Alpha", "alpha", "beta", "Beta", "zeta"}));
        QCOMPARE(comboItems(unsorted), (QStringList{"zeta", "Alpha", "beta", "Beta", "alpha"}));
        QVERIFY(sorted.isEditable());
        QVERIFY(sorted.completer() == nullptr);
    }

    void typingCompletesFromTheOpenListWhileSmartSelectIsOn_data() {
        QTest::addColumn<bool>("smartSelect");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::newRow("ber") << true << "ber" << QString("Berrow") << "row";
        QTest::newRow("BE") << true << "BE" << QString("Bellwick") << "llwick";
        QTest::newRow("typing on") << true << "bx" << QString("Bx")
                                   << QString(); // b completed, x replaced the rest
        QTest::newRow("off") << false << "ber" << QString("ber") << QString();
    }
    void typingCompletesFromTheOpenListWhileSmartSelectIsOn() {
        QFETCH(bool, smartSelect);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        AppSwitches::setSmartSelect(smartSelect);
        Form<CCompletingCombo> form(true);
        CCompletingCombo* combo = form.control;
        combo->addListItem("Berrow");
        combo->addListItem("Bellwick");
        combo->setCurrentIndex(-1);
        form.show();
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
        Form<CCompletingCombo> form(false);
        CCompletingCombo* combo = form.control;
        combo->addListItem("Berrow");
        combo->setCurrentIndex(-1);
        form.show();
        const std::tuple<bool, QString, bool> cases[] = {
            {true, "", true}, {true, "Berrow", false}, {false, "", false}};
        for (const auto& [smartSelect, text, opens] : cases) {
            AppSwitches::setSmartSelect(smartSelect);
            combo->setEditText(text);
            form.other->setFocus();
            combo->setFocus(Qt::TabFocusReason);
            QCOMPARE(combo->view()->isVisible(), opens);
            combo->hidePopup();
            QVERIFY(!combo->view()->isVisible()); // closing the list does not reopen it
        }
        AppSwitches::setSmartSelect(true);
        combo->setEditText(QString());
        form.other->setFocus();
        QTest::mousePress(combo, Qt::LeftButton, {}, QPoint(combo->width() - 5, combo->height() / 2));
        QVERIFY(combo->view()->isVisible());
        QCOMPARE(form.window.focusWidget(), combo);
        combo->hidePopup();
        QVERIFY(combo->hasFocus());
    }
};

QTEST_MAIN(EditControlsTest)
#include "editcontrolwidgets_test.moc"
