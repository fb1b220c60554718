// The main window's timers and the messages of its sliders and clip list.
#include "app/app_messages.h"
#include "app/playback_clock.h"
#include "app/zelvik_player_dlg.h"
#include "map/map_follower.h"
#include "playback/screen_dlg.h"

namespace {
constexpr int kVolumeSliderId = 1018;
constexpr int kSpeedSliderId = 1019;
constexpr int kSeekSliderId = 1020;
constexpr int kSeekPreviewMs = 100;
}  // namespace

void CZelvikPlayerDlg::OnTimer(int id) {
  switch (id) {
    case TIMER_REPAINT_TICK:
      KillTimer(TIMER_REPAINT_TICK);
      break;
    case TIMER_OPEN_REFRESH:
      KillTimer(TIMER_OPEN_REFRESH);
      if (mapFollower != nullptr) mapFollower->UpdateMapsForSecond(PlaybackClock.currentSecond);
      break;
    default:
      break;
  }
  RunTick();
}

platform::LParam CZelvikPlayerDlg::OnMessage(platform::MessageId id, platform::WParam w, platform::LParam l) {
  switch (id) {
    case WM_SLIDER_DRAGGING:
      OnSliderDragging(static_cast<int>(w));
      break;
    case WM_CLIP_ENDED:
      OnClipEnded();
      break;
    case WM_CLIP_OPENED:
      OnClipOpened(static_cast<int>(l));
      break;
    default:
      break;
  }
  return 0;
}

void CZelvikPlayerDlg::OnSliderDragging(int sliderId) {
  CScreenDlg& engine = *videoScreen;
  switch (sliderId) {
    case kVolumeSliderId:
      engine.volume = volumeSlider.GetPos();
      if (engine.basicAudio) engine.SetVolume(engine.volume);
      break;
    case kSpeedSliderId: {
      int position = speedSlider.GetPos();
      double rate = position == 0 ? 0.5 : static_cast<double>(position);
      engine.rate = rate;
      PlaybackClock.tickPeriodMs = rate == 0.5 ? 500 : rate == 1.0 ? 250 : 100;
      if (engine.state == CScreenDlg::Playing) PlaybackClock.rearmTickTimer = 1;
      if (engine.mediaSeeking) engine.mediaSeeking->SetRate(rate);
      break;
    }
    case kSeekSliderId: {
      if (!engine.mediaPosition) {
        seekSlider.SetPos(0);
        break;
      }
      int second = seekSlider.GetPos();
      engine.SeekToSecond(second);
      PlaybackClock.positionMs = second * 1000;
      PlaybackClock.graphHalfSecond = 2 * second;
      PlaybackClock.currentSecond = second;
      RedrawWholeGraph();
      if (engine.state == CScreenDlg::Stopped) {
        // The graph runs just long enough to show the picture at that second.
        if (engine.mediaControl) {
          engine.mediaControl->Run();
          engine.stopPending = 1;
        }
        engine.StartFirstFramePreview(kSeekPreviewMs);
      } else {
        RunTick();
      }
      break;
    }
    default:
      break;
  }
}
