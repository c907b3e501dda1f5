// Pictures drawn over the finished frame by the host, outside the game: the training
// overlay with each fighter's frame data. They read the form and never change it.
#pragma once

#include <cstdint>

namespace shell {

struct TForm1;

// Something drawn over the finished frame just before it is shown. frame is the
// kScreenWidth x kScreenHeight frame buffer.
class FrameOverlay {
  public:
    virtual ~FrameOverlay() = default;
    virtual void Draw(const TForm1& form, uint32_t* frame) = 0;
};

// The key that shows and hides the training overlay: F1, a key the game has no use for.
constexpr int kOverlayToggleKey = 112;

// How long the last hit's result stays up: a second of fight frames.
constexpr int kLastHitFrames = 25;

// The result of a player's last attack that landed or was guarded.
struct LastHit {
    int32_t result = 0;  // the hit resolution's value: 5 guarded, else the hit effect
    bool counter = false;
    bool weak = false;
    int32_t damage = 0;      // what the defender's health lost in that frame
    int32_t framesLeft = 0;  // 0: nothing to show
};

// The training overlay: for each fighter its motion code, motion and frame, tick of
// duration, stance and the stamina cost of the frame; the attack's reach as a line from the
// fighter's x, the defender's body front as a mark, active frames in red; the last hit's
// result for a second. It follows the fight while hidden, so the last hit is there when it
// is shown.
class TrainingOverlay final : public FrameOverlay {
  public:
    void Toggle() { on_ = !on_; }
    bool On() const { return on_; }
    // F1 toggles; true when the key was the overlay's.
    bool HandleKey(int vk);
    const LastHit& LastHitOf(int player) const { return last_[player & 1]; }

    void Draw(const TForm1& form, uint32_t* frame) override;

  private:
    void Follow(const TForm1& form);

    bool on_ = false;
    LastHit last_[2];
    int32_t health_[2] = {0, 0};
};

// The overlay's own tiny font: upper-case letters (lower case draws as upper), digits,
// the signs / - : . = + ( ) and four arrows (the characters below), each a 5 x 7 grid of
// scale x scale squares, 6 * scale apart.
constexpr char kTinyArrowLeft = '\x01';
constexpr char kTinyArrowUp = '\x02';
constexpr char kTinyArrowRight = '\x03';
constexpr char kTinyArrowDown = '\x04';
// Unknown characters draw as blanks. Clipped to the frame. Returns the x after the text.
int DrawTinyText(uint32_t* frame, int x, int y, const char* text, uint32_t colour, int scale);

}  // namespace shell
