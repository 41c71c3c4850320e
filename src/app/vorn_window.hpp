#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "input/program_control.hpp"
#include "sequencer/frame_pass.hpp"
#include "sequencer/pace_clock.hpp"
#include "sequencer/sequencer.hpp"
#include "sequencer/sequencer_state.hpp"

class QImage;

namespace vorn {

class FrameHolder;
class FrameSet;
class PictureArea;

// The program's one window: the picture area, the twenty frame holders and
// the frame table, and the sequencer state the operator steers (its fields
// k, l, n, ... are public members of the window).
class VORN final : public QWidget,
                   public SequencerState,
                   private SequencerHost,
                   private ProgramControl {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 583;
    static constexpr int kClientHeight = 553;
    static const char* const kCaption;

    // Makes the window with its holders, each carrying its frame picture.
    explicit VORN(const FrameSet& frameSet);

    // Fills the frame table, then runs the frames until the operator quits.
    [[noreturn]] void RunSequencer();
    // The paced delay of one pass, then one service of pending events.
    void PaceFrame();
    void Picture1_KeyPress(std::int16_t keyAscii);
    void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void Picture1_Click();
    void Picture1_DblClick();

    PictureArea* picture1() const { return picture1_; }
    const FrameHolder* holder(int holderNumber) const;

    // Centres the window on its screen's available area.
    void centreOnScreen();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void takeFrameIntoTable(int entry) override;
    void showFrame(int entry) override;
    void serveEvents() override;
    void clearWindow() override;
    [[noreturn]] void quit() override;

    [[noreturn]] void failFrame(const QString& what);
    void showPointerMode();

    std::array<const QImage*, kFrameTableSize> frames{};
    PictureArea* picture1_;
    std::vector<FrameHolder*> holders_;  // index: holder number - 1
    SteadyPaceClock clock_;
    Sequencer sequencer_;
};

}  // namespace vorn
