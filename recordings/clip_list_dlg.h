#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/list_view.h"
#include "recordings/file_list.h"
#include "recordings/recording_kinds.h"

class CZelvikPlayerDlg;

// The folder the folder chooser starts at: the root, then the last folder chosen.
extern std::string currentFolder;

// The clip list: the AVI clips of the chosen folders with their recording kind
// and date, sorted by path. A click opens a clip with its first picture, a
// double click plays it; the main window asks for the next, previous or a given
// clip.
class CListDlg : public platform::Dialog, private platform::ListViewEvents {
 public:
  explicit CListDlg(CZelvikPlayerDlg& mainWindow);
  ~CListDlg() override;

  void ScanFolder();
  void SelectFolder();
  void OpenFileCommand();
  void ClearList();
  void OpenNextClip();
  void OpenPreviousClip();
  void OpenClipAt(int row);
  void OnClipClicked(int row);
  void OnClipDoubleClicked(int row);

  // Lists a folder as choosing it in the folder chooser would.
  void ListFolder(const std::string& folder);
  // Adds one file as choosing it in the file chooser would, and has it played.
  void OpenFile(const std::string& path);

  // Adds a record before the first whose path is not less than its own; returns its row.
  int InsertSorted(std::unique_ptr<CFileList> record);
  void RefillListView();
  void ReadRecordingKinds();
  // The recording kind of a row of the listed folder (0 where the table has none).
  int KindOfRow(int row) const;

  CZelvikPlayerDlg& mainWindow;
  std::int32_t selectedIndex = -1;
  std::int32_t pendingPlay = 0;
  std::vector<std::unique_ptr<CFileList>> records;
  std::int32_t itemCount = 0;
  std::unique_ptr<platform::ListView> listView;
  std::string folderPath;
  // What the folder line of the list shows.
  std::string shownFolderPath;
  std::array<std::uint8_t, kRecordingKindEntries> recordingKinds{};
  std::int32_t folderNumber = 0;

 protected:
  bool OnInitDialog() override;
  bool PreTranslateKey(platform::Key key) override;
  void OnTimer(int id) override;

 private:
  void OnRowClicked(int row) override { OnClipClicked(row); }
  void OnRowDoubleClicked(int row) override { OnClipDoubleClicked(row); }
  bool OpenRow(int row, bool preview);
  void PlayOpenClip();
  void SelectRowInView(int row);
  void CloseEngine();
};
