// What each button of the main window does.
#include "app/app_messages.h"
#include "app/playback_clock.h"
#include "app/zelvik_player_dlg.h"
#include "playback/screen_dlg.h"
#include "recordings/clip_list_dlg.h"

namespace {
constexpr int kStopPreviewMs = 100;
constexpr int kBackwardTickMs = 100;
}  // namespace

void CZelvikPlayerDlg::ShowTransportFaces(Faces faces) {
  backPlayButton.Show(faces != Faces::Backward);
  backPauseButton.Show(faces == Faces::Backward);
  playButton.Show(faces != Faces::Playing);
  pauseButton.Show(faces == Faces::Playing);
}

void CZelvikPlayerDlg::OnCommand(int controlId) {
  switch (controlId) {
    case 1000: SendClose(); break;
    case 1009: Minimize(); break;
    case 1001: PlayCommand(); break;
    case 1003: PauseCommand(); break;
    case 1002: StopCommand(); break;
    case 1081: BackPlayCommand(); break;
    case 1085: BackPauseCommand(); break;
    case 1005: StepClipCommand(false); break;
    case 1006: StepClipCommand(true); break;
    case 1007: if (clipList) clipList->OpenFileCommand(); break;
    case 1010: if (clipList) clipList->SelectFolder(); break;
    case 1008: if (clipList) clipList->ClearList(); break;
    case 1072: SwitchUnits(true); break;
    case 1073: SwitchUnits(false); break;
    default: break;
  }
}

void CZelvikPlayerDlg::PlayCommand() {
  if (!videoScreen->HasMediaControl()) return;
  reverseStep = 0;
  videoScreen->Play();
  SetTimer(TIMER_TICK, PlaybackClock.tickPeriodMs);
  ShowTransportFaces(Faces::Playing);
}

void CZelvikPlayerDlg::PauseCommand() {
  if (!videoScreen->HasMediaControl()) return;
  videoScreen->Pause();
  KillTimer(TIMER_TICK);
  ShowTransportFaces(Faces::Paused);
}

void CZelvikPlayerDlg::StopCommand() {
  if (!videoScreen->HasMediaControl()) return;
  if (reverseStep == 0) {
    videoScreen->StopAndRewind();
    KillTimer(TIMER_TICK);
    RedrawWholeGraph();
    // Runs the clip for a moment so that its first picture shows again.
    videoScreen->Play();
    videoScreen->StartFirstFramePreview(kStopPreviewMs);
  } else {
    KillTimer(TIMER_TICK);
  }
  reverseStep = 0;
  ShowTransportFaces(Faces::Paused);
}

void CZelvikPlayerDlg::BackPlayCommand() {
  if (!videoScreen->HasMediaControl()) return;
  videoScreen->Pause();
  KillTimer(TIMER_TICK);
  reverseStep = -1;
  SetTimer(TIMER_TICK, kBackwardTickMs);
  ShowTransportFaces(Faces::Backward);
}

void CZelvikPlayerDlg::BackPauseCommand() {
  if (!videoScreen->HasMediaControl()) return;
  if (reverseStep == -1) {
    KillTimer(TIMER_TICK);
    reverseStep = 0;
  }
  ShowTransportFaces(Faces::Paused);
}

void CZelvikPlayerDlg::StepClipCommand(bool next) {
  KillTimer(TIMER_TICK);
  if (clipList) {
    if (next) {
      clipList->OpenNextClip();
    } else {
      clipList->OpenPreviousClip();
    }
  }
  videoScreen->Play();
  RedrawWholeGraph();
  SetTimer(TIMER_TICK, PlaybackClock.tickPeriodMs);
  reverseStep = 0;
  ShowTransportFaces(Faces::Playing);
}

void CZelvikPlayerDlg::SwitchUnits(bool miles) {
  kmButton.Show(!miles);
  mileButton.Show(miles);
  mileMode = miles ? 1 : 0;
}

void CZelvikPlayerDlg::OnClipEnded() {
  KillTimer(TIMER_TICK);
  if (clipList) clipList->OpenNextClip();
  videoScreen->Play();
  SetTimer(TIMER_TICK, PlaybackClock.tickPeriodMs);
}

void CZelvikPlayerDlg::OnClipOpened(int row) {
  KillTimer(TIMER_TICK);
  if (clipList) clipList->OpenClipAt(row);
  videoScreen->Play();
  SetTimer(TIMER_TICK, PlaybackClock.tickPeriodMs);
  ShowTransportFaces(Faces::Playing);
}
