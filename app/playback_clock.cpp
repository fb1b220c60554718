// The playback clock: every tick reads the media position and brings every
// display of the main window to it.
#include "app/playback_clock.h"

#include "app/app_messages.h"
#include "app/zelvik_player_dlg.h"
#include "map/map_follower.h"
#include "playback/screen_dlg.h"

PlaybackClockState PlaybackClock;

void CZelvikPlayerDlg::RunTick() {
  if (!videoScreen || !videoScreen->mediaPosition) return;
  CScreenDlg& engine = *videoScreen;
  PlaybackClockState& clock = PlaybackClock;

  if (reverseStep < 0) engine.SetPosition(engine.CurrentPosition() + reverseStep * 0.1);

  double t = engine.CurrentPosition();
  clock.positionMs = static_cast<std::int32_t>(t * 1000.0);
  clock.currentSecond = clock.positionMs / 1000;
  int carry = clock.positionMs % 1000 >= 500 ? 1 : 0;
  clock.tickSinceOpen = 1;

  if (mapFollower != nullptr) mapFollower->UpdateMapsForSecond(clock.currentSecond);

  if (reverseStep < 0) {
    clock.graphHalfSecond = clock.positionMs / 500;
    RedrawWholeGraph();
    clock.graphNeedsRedraw = 0;
  } else if (clock.graphNeedsRedraw) {
    RedrawWholeGraph();
    clock.graphNeedsRedraw = 0;
  } else {
    StepGraph();
  }
  DrawCompass();
  DrawSpeed();

  if (engine.state != CScreenDlg::Playing && reverseStep == 0) {
    KillTimer(TIMER_TICK);
    return;
  }
  // Once the speed changed during playback, every tick re-arms the timer with the new period.
  if (clock.rearmTickTimer) SetTimer(TIMER_TICK, clock.tickPeriodMs);

  int shownSecond = clock.currentSecond + carry;
  seekSlider.SetPos(shownSecond);
  DrawElapsedTime(shownSecond);

  if (reverseStep < 0) {
    if (shownSecond <= 0) {
      KillTimer(TIMER_TICK);
      reverseStep = 0;
    }
  } else if (seekSlider.GetPos() >= static_cast<int>(engine.duration)) {
    seekSlider.SetPos(clipLengthCode == 3 ? 120 : 60);
    KillTimer(TIMER_TICK);
    if (engine.mediaControl) engine.mediaControl->Stop();
    engine.state = CScreenDlg::Stopped;
    clock.Rewind();
    PostMessage(WM_CLIP_ENDED, 0, 0);
  }

  if (clock.currentSecond >= (clipLengthCode == 3 ? 120 : 60)) clock.currentSecond = 0;
}
