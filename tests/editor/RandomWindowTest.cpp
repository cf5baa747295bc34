// Thousands of random events on the real main window: presses, drags, double and right clicks with
// popup items, keys and shortcuts, tools, runs started, paused, stepped and stopped, text typed into
// labels, undo and redo. After every event the board is consistent and the keyboard is where a user
// can see it; after every episode the saved text reads back as it was and undo empties the board.
// VOLTRANE_WINDOW_SEED and VOLTRANE_WINDOW_EVENTS choose the seed and the number of events.
#include "BoardView.h"
#include "CircuitFile.h"
#include "CircuitText.h"
#include "EditorFixture.h"
#include "ExMemo.h"

#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

uint32_t EnvNumber(const char* name, uint32_t fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? static_cast<uint32_t>(std::strtoul(text, nullptr, 10)) : fallback;
}

TStrings BoardText(const TBord& board)
{
    TPartsList all;
    board.CopyParts(all);
    TStrings lines;
    SaveParts(all, lines);
    return lines;
}

class RandomWindow : public EditorFixture {
public:
    explicit RandomWindow(uint32_t seed) : rng_(seed) { QApplication::setActiveWindow(window.get()); }

    // Runs the events from the event loop, so that a run or a modal dialog they start goes on
    // serving the next ones; returns once every run and dialog has ended.
    void RunEpisode(int events)
    {
        events_ = events;
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] { Step(driver); });
        driver.start(0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return finished_ && !window->Runs->Run() && !QApplication::activeModalWidget(); },
                                    60000))
            << Trace();
        QCoreApplication::processEvents();
    }

    // The saved text reads back into the same text, and the whole history undoes to no object.
    void ExpectSavedTextAndHistoryExact()
    {
        SCOPED_TRACE(Trace());
        const TStrings saved = BoardText(window->Bord);
        NullCanvas surface(64, 64);
        TCircuit again(&surface);
        TPartsList loaded;
        LoadParts(DecodeCircuitText(EncodeCircuitText(saved)), loaded, again.Bord, nullptr, &surface);
        EXPECT_EQ(BoardText(again.Bord), saved);
        while (window->Circuit.UndoQue().CanUndo()) actions->actUndo->trigger();
        EXPECT_EQ(window->Bord.Count(), 0);
    }

    int Done() const { return done_; }
    int Runs() const { return runs_; }

    std::string Trace() const { return "seed event " + std::to_string(done_) + ": " + last_; }

private:
    void Step(QTimer& driver)
    {
        if (finished_) return;
        ExpectConsistent();
        if (::testing::Test::HasFailure() || done_ >= events_ || window->Circuit.UndoQue().UndoCount >= 45) {
            Finish(driver);
            return;
        }
        ++done_;
        if (window->Simulating() && !wasRunning_) ++runs_;
        wasRunning_ = window->Simulating();
        if (AnswerModal() || ChoosePopupItem()) return;
        switch (Pick(17)) {
        case 0:
        case 1: ChooseTool(); break;
        case 2:
        case 3:
        case 4: Drag(Point(), Near()); break;
        case 5:
        case 6: Click(Point(), Qt::LeftButton); break;
        case 7: DoubleClick(Point()); break;
        case 8: Click(Point(), Qt::RightButton); break;
        case 9: Shortcut(); break;
        case 10: TypeText(); break;
        case 11: RunCommand(); break;
        case 12: Later(Pick(2) ? actions->actUndo : actions->actRedo); break;
        case 13: Drag(Point(), Near(), Qt::ShiftModifier); break;
        case 14: Wire(); break;
        case 15: ZoomOrScroll(); break;
        default: Click(Near(), Qt::LeftButton); break;
        }
    }

    void Finish(QTimer& driver)
    {
        last_ = "finishing";
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            modal->reject();
            return;
        }
        if (window->Simulating()) {
            actions->actSimStop->trigger();
            return;
        }
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTest::mouseClick(Board(), Qt::LeftButton, {}, {600, 440});  // closes a label's editor
        driver.stop();
        finished_ = true;
    }

    // What must hold between any two events.
    void ExpectConsistent()
    {
        TBord& board = window->Bord;
        if (!window->Simulating()) {
            std::vector<bool> linked, checked;
            for (int i = 0; i < board.Count(); ++i)
                for (const TTanshi* k : board.Items(i)->Tanshis) linked.push_back(k->Linked);
            board.CheckAllLinks();
            for (int i = 0; i < board.Count(); ++i)
                for (const TTanshi* k : board.Items(i)->Tanshis) checked.push_back(k->Linked);
            ASSERT_EQ(linked, checked) << "links not current, " << Trace();
        }
        for (int i = 0; i < board.Count(); ++i) {
            const TPartsBase* o = board.Items(i);
            int depth = 0;
            for (const TContainer* c = o->Container; c; c = c->Container, ++depth) {
                ASSERT_TRUE(board.Holds(c)) << o->ClassName() << " in a box off the board, " << Trace();
                ASSERT_LE(depth, board.Count()) << "containment loop, " << Trace();
            }
            if (std::string_view(o->ClassName()) != "TTextBox") continue;
            const auto* box = static_cast<const TTextBox*>(o);
            if (!box->Editor->Visible()) {
                ASSERT_EQ(box->Editor->Lines(), box->DrawnLines) << "label text, " << Trace();
            }
        }
        const QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(!focus || focus->isVisible()) << "the keyboard on a hidden " << focus->metaObject()->className()
                                                  << ", " << Trace();
    }

    bool AnswerModal()
    {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal) return false;
        last_ = std::string("answer ") + modal->metaObject()->className();
        if (Pick(2))
            modal->accept();
        else
            modal->reject();
        return true;
    }

    bool ChoosePopupItem()
    {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return false;
        std::vector<QAction*> items;
        for (QAction* a : menu->actions())
            if (a->isVisible() && a->isEnabled() && !a->isSeparator()) items.push_back(a->menu() ? a->menu()->actions().value(0) : a);
        menu->close();
        if (!items.empty() && Pick(4) != 0) {
            QAction* item = items[static_cast<size_t>(Pick(items.size()))];
            if (item && !item->isSeparator() && item->isEnabled()) {
                last_ = "popup item " + item->text().toStdString();
                Later(item);
            }
        }
        return true;
    }

    void ChooseTool()
    {
        static constexpr TAction* TActionManager::*Tools[] = {
            &TActionManager::actAuto,  &TActionManager::actAuto,   &TActionManager::actMove, &TActionManager::actCode,
            &TActionManager::actCode,  &TActionManager::actDelete, &TActionManager::actNAND2, &TActionManager::actNOT,
            &TActionManager::actEOR2,  &TActionManager::actRLED,   &TActionManager::actTGLSW, &TActionManager::actPUSHSW,
            &TActionManager::actDFF,   &TActionManager::actText,   &TActionManager::actText, &TActionManager::actContainer,
            &TActionManager::actInTerminal, &TActionManager::actSCOPE, &TActionManager::actPULSER};
        TAction* tool = actions->*Tools[Pick(std::size(Tools))];
        last_ = "tool " + tool->objectName().toStdString();
        if (tool->isEnabled()) tool->trigger();
    }

    void Shortcut()
    {
        static constexpr std::pair<int, Qt::KeyboardModifiers::Int> Keys[] = {
            {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Y, Qt::ControlModifier}, {Qt::Key_A, Qt::ControlModifier},
            {Qt::Key_C, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier},
            {Qt::Key_D, Qt::ControlModifier}, {Qt::Key_R, Qt::ControlModifier}, {Qt::Key_Delete, 0},
            {Qt::Key_Escape, 0},              {Qt::Key_F8, 0},                  {Qt::Key_F10, 0},
            {Qt::Key_Return, 0},              {Qt::Key_Backspace, 0}};
        const auto& chosen = Keys[Pick(std::size(Keys))];
        const int key = chosen.first;
        const Qt::KeyboardModifiers::Int modifiers = chosen.second;
        last_ = "key " + std::to_string(key) + " with " + std::to_string(modifiers);
        // A key may start a run, which goes on in the event loop: it is sent from there.
        QTimer::singleShot(0, window.get(), [key, modifiers] {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
            if (target) QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        });
    }

    void TypeText()
    {
        static const char* const Texts[] = {"note", "A+B", "x", " "};
        const char* text = Texts[Pick(std::size(Texts))];
        last_ = std::string("type ") + text;
        QWidget* target = QApplication::focusWidget();
        if (!target) return;
        if (Pick(2)) {
            QTest::keyClicks(target, QString::fromUtf8(text));
            return;
        }
        // Japanese arrives from the input method as a committed string.
        QInputMethodEvent composed;
        composed.setCommitString(QString::fromUtf8(Pick(2) ? text : "半加算"));
        QApplication::sendEvent(target, &composed);
    }

    void RunCommand()
    {
        TAction* const commands[] = {actions->actSimStart, actions->actSimStop,  actions->actSimPause,
                                     actions->actSimStep,  actions->actSimStepN, actions->actSimStop};
        TAction* command = commands[Pick(std::size(commands))];
        last_ = "run command " + command->objectName().toStdString();
        Later(command);
    }

    // The view zoomed by the keys' commands or scrolled as by the wheel; gestures go on in board
    // coordinates through it.
    void ZoomOrScroll()
    {
        auto& view = *static_cast<TBoardView*>(Board());
        switch (Pick(4)) {
        case 0: Later(Pick(2) ? actions->actZoomIn : actions->actZoomOut); break;
        case 1: Later(Pick(2) ? actions->actZoom100 : actions->actZoomFit); break;
        default:
            last_ = "scroll";
            view.ScrollBy(Pick(201) - 100, Pick(201) - 100);
            break;
        }
    }

    void Wire()
    {
        actions->actCode->trigger();
        const QPoint from = Point(), to = Near();
        Drag(from, to);
        Click(Near(), Qt::LeftButton);
        last_ = "wire ending " + std::to_string(to.x()) + "," + std::to_string(to.y());
        if (Pick(2)) QTest::keyClick(window.get(), Qt::Key_Escape);
    }

    // Triggers the action from the event loop, where a run or a dialog it opens can go on.
    void Later(QAction* action)
    {
        if (last_.empty() || last_.rfind("popup", 0) != 0) last_ = "action " + action->objectName().toStdString();
        QTimer::singleShot(0, action, [action] {
            if (action->isEnabled()) action->trigger();
        });
    }

    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers keys = {})
    {
        last_ = "drag " + Describe(from) + " to " + Describe(to);
        QTest::mouseMove(Board(), from);
        QTest::mousePress(Board(), Qt::LeftButton, keys, from);
        for (int i = 1; i <= 4; ++i) QTest::mouseMove(Board(), from + (to - from) * i / 4);
        QTest::mouseRelease(Board(), Qt::LeftButton, keys, to);
        pointer_ = to;
    }

    void Click(QPoint p, Qt::MouseButton button)
    {
        last_ = std::string(button == Qt::RightButton ? "right " : "") + "click " + Describe(p);
        QTest::mouseMove(Board(), p);
        QTest::mouseClick(Board(), button, {}, p);
        pointer_ = p;
    }

    void DoubleClick(QPoint p)
    {
        last_ = "double click " + Describe(p);
        QTest::mouseMove(Board(), p);
        QTest::mouseDClick(Board(), Qt::LeftButton, {}, p);
        pointer_ = p;
    }

    QWidget* Board() const { return window->centralWidget(); }
    int Pick(size_t n) { return static_cast<int>(rng_() % n); }
    // Near the grid of a crowded corner of the board, where parts, wires and labels meet.
    QPoint Point() { return {Pick(30) * 10 + Pick(7) - 3, Pick(24) * 10 + Pick(7) - 3}; }
    QPoint Near() { return pointer_ + QPoint(Pick(121) - 60, Pick(121) - 60); }
    static std::string Describe(QPoint p) { return std::to_string(p.x()) + "," + std::to_string(p.y()); }

    std::mt19937 rng_;
    int events_ = 0;
    int done_ = 0;
    int runs_ = 0;
    bool wasRunning_ = false;
    bool finished_ = false;
    QPoint pointer_{100, 100};
    std::string last_;
};

TEST(RandomWindowEvents, KeepTheBoardConsistentTheKeyboardVisibleAndTheHistoryExact)
{
    const uint32_t seed = EnvNumber("VOLTRANE_WINDOW_SEED", 1);
    const int wanted = static_cast<int>(EnvNumber("VOLTRANE_WINDOW_EVENTS", 1500));
    int events = 0, runs = 0, episodes = 0;
    for (uint32_t episode = seed; events < wanted; ++episode, ++episodes) {
        SCOPED_TRACE("VOLTRANE_WINDOW_SEED=" + std::to_string(episode) + " VOLTRANE_WINDOW_EVENTS=150");
        RandomWindow window(episode);
        window.RunEpisode(150);
        if (::testing::Test::HasFailure()) return;
        window.ExpectSavedTextAndHistoryExact();
        if (::testing::Test::HasFailure()) return;
        events += window.Done();
        runs += window.Runs();
    }
    std::printf("%d events in %d episodes, %d runs started\n", events, episodes, runs);
}

}  // namespace
