#pragma once
#include <cstdint>
#include <memory>

class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The two story sequences: stage 1, the intro picture rising over the menu
// backdrop until the player skips it; stage 2, the ending, a capital ship, a
// stream of small ships, asteroids and comets over the galaxy backdrop for
// about 17 seconds, with its own music.
//
// The object never touches the game record or the application. Per frame the
// story scene calls CheckSkip, then (once the frame timer runs) Move1 or
// Move2 with its steppers' steps, in stage 2 Animate1 and CueMusic, draws
// (DrawMain, or DrawStage and DrawWordPicture over the galaxy backdrop), and
// after updating its scene clock CheckTime. It plays the music while
// musicRequest is set and leaves once LeaveRequested says so.
class StoryCutscene {
public:
    static constexpr uint8_t kIntro = 1;
    static constexpr uint8_t kEnding = 2;
    static constexpr int kObjects = 11;
    static constexpr int kShips = 9;
    static constexpr int kAsteroids = 8;
    static constexpr int kFirstComet = 8;
    static constexpr int kCometReentries = 7;

    // The ending leaves once the scene clock has passed this many whole
    // seconds, so on the frame that shows 17.
    static constexpr uint32_t kEndingLastSecond = 16;
    // The word picture shows while 0 < seconds < kWordUntilSecond.
    static constexpr uint32_t kWordUntilSecond = 4;
    // The music cue the battle scenes leave for the ending, and the one the
    // ending sets once it has started its music.
    static constexpr uint8_t kCueEndingDue = 2;
    static constexpr uint8_t kCueEndingPlaying = 5;
    static constexpr const char* kEndingMusic = "Data\\Music5.mid";
    static constexpr int kEndingMusicVolume = 50;
    static constexpr int kEndingMusicPlays = 1;

    StoryCutscene();
    virtual ~StoryCutscene();
    StoryCutscene(const StoryCutscene&) = delete;
    StoryCutscene& operator=(const StoryCutscene&) = delete;

    // The current stage's pictures; again after every device reset.
    void LoadArt(GraphicsDevice* graphics);
    void FreeArt();
    // Start values for the current stage; clears the requests.
    void Setup();

    // Intro: the picture rises by the 70 px/s step until it stands at y 0.
    void Move1(uint8_t step);
    // Ending: fleet, small ships, comets and asteroids, in that order.
    void Move2(uint8_t s30, uint8_t s70, uint8_t s120, uint8_t s177, uint8_t s250);
    // Ending: the asteroids' animation frames step every 100 ms.
    void Animate1();

    void DrawMain();
    void DrawStage();
    // Ending: the word picture during the first seconds of the scene clock.
    void DrawWordPicture(uint32_t secondsInScene);

    // Enter, Esc or Backspace (each then latched) or either mouse button
    // (both then latched) ask to leave.
    void CheckSkip(InputDevice* keyboard, InputDevice* mouse);
    // Ending: takes the record's music cue and returns the one it holds from
    // now on; a due cue raises musicRequest once.
    uint8_t CueMusic(uint8_t musicCue);
    // Ending: the scene clock's whole seconds; past the last second the
    // cutscene is finished.
    void CheckTime(uint32_t secondsInScene);
    bool LeaveRequested() const { return skipRequested != 0 || finished != 0; }

    // Frame rules, shared by drawing and tests.
    static bool ShipShown(int ship, int32_t x);
    static bool ObjectShown(int32_t x);
    static bool WordPictureShown(uint32_t secondsInScene);

    uint8_t stage = 0;
    std::unique_ptr<SpriteSheet> sheet;
    int32_t objX[kObjects] = {};
    int32_t objY[kObjects] = {};
    float pictureScaleX = 0.0f;
    float pictureScaleY = 0.0f;
    uint8_t frameUp = 0;
    uint8_t frameDown = 0;
    uint32_t tickStartMs = 0;
    uint8_t tickState = 1;  // 1 take the start time, 2 timing
    int32_t fleetX = 0;
    int32_t fleetY = 0;
    int32_t shipX[kShips] = {};
    float shipScale = 1.0f;
    uint8_t cometStep = 0;

    // Requests for the scene.
    uint8_t skipRequested = 0;
    uint8_t finished = 0;
    uint8_t musicRequest = 0;  // 1: play kEndingMusic once at its volume, then clear

private:
    // Each takes this frame's steps indexed by speed (30, 70, 120, 177, 250 px/s).
    void MoveShips(const uint8_t* stepBySpeed);
    void MoveComets(const uint8_t* stepBySpeed);
    void MoveAsteroids(const uint8_t* stepBySpeed);
};
