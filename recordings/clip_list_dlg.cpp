#include "recordings/clip_list_dlg.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "app/app_messages.h"
#include "app/playback_clock.h"
#include "app/zelvik_player_dlg.h"
#include "platform/file_choosers.h"
#include "platform/resources.h"
#include "playback/screen_dlg.h"
#include "recordings/c_number.h"
#include "recordings/date_text.h"

std::string currentFolder;

namespace {

constexpr platform::Size kTemplateSize{338, 142};
constexpr platform::Rect kListRect{0, 0, 338, 142};
constexpr int kBackgroundPictureId = 206;
constexpr int kKindIconIds[] = {203, 234, 235, 270};
constexpr platform::Colour kIconMask = platform::Rgb(192, 192, 192);
constexpr platform::Colour kTextColour = platform::Rgb(98, 171, 204);
constexpr platform::Colour kListBackground = platform::Rgb(80, 80, 119);
constexpr int kClipsPerFolder = 60;
constexpr int kPendingPlayMs = 100;

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

std::time_t LastWriteTime(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_mtime : 0;
}

}  // namespace

CListDlg::CListDlg(CZelvikPlayerDlg& owner) : Dialog(kTemplateSize), mainWindow(owner) {}

CListDlg::~CListDlg() { Destroy(); }

bool CListDlg::OnInitDialog() {
  folderNumber = 0;
  pendingPlay = 0;
  currentFolder = std::string(1, '/');  // the root; written so to spare GCC 12 a false -Wrestrict
  folderPath = currentFolder;
  listView = platform::CreateListView(*this, kListRect, *this);
  listView->SetColumnWidths({42, 76, 200});
  listView->SetBackgroundPicture(platform::LoadBitmapResource(kBackgroundPictureId));
  listView->SetTextColour(kTextColour);
  listView->SetBackgroundColour(kListBackground);
  recordingKinds.fill(0);
  std::vector<platform::Bitmap> icons;
  for (int id : kKindIconIds) icons.push_back(platform::LoadBitmapResource(id));
  listView->SetImages(icons, kIconMask);
  ScanFolder();
  return true;
}

bool CListDlg::PreTranslateKey(platform::Key key) {
  return key == platform::Key::Enter || key == platform::Key::Escape;
}

int CListDlg::KindOfRow(int row) const {
  long index = static_cast<long>(folderNumber) * kClipsPerFolder + row;
  if (index < 0 || index >= static_cast<long>(recordingKinds.size())) return 0;
  return recordingKinds[static_cast<std::size_t>(index)];
}

void CListDlg::ReadRecordingKinds() {
  std::string recinfoPath;
  // The clip folder's parent holds recinfo.bin; the folder's name gives its number.
  int n = static_cast<int>(folderPath.size());
  for (int i = n - 2; i >= 1; --i) {
    if (folderPath[i] != '/') continue;
    recinfoPath = folderPath.substr(0, i + 1) + "recinfo.bin";
    folderNumber = static_cast<std::int32_t>(ReadCInteger(std::string_view(folderPath).substr(i + 1, 5)));
    break;
  }
  recordingKinds.fill(0);
  if (!recinfoPath.empty()) ReadRecordingKindsFile(recinfoPath, recordingKinds);
}

void CListDlg::ScanFolder() {
  itemCount = 0;
  std::vector<std::filesystem::directory_entry> clips;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folderPath.empty() ? "." : folderPath, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (name.size() < 4) continue;
    std::string extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return std::tolower(c); });
    if (extension == ".avi") clips.push_back(*it);
  }
  if (clips.empty()) {
    recordingKinds.fill(0);
  } else {
    ReadRecordingKinds();
    for (const auto& entry : clips) {
      std::error_code entryError;
      if (entry.is_directory(entryError)) continue;
      auto record = std::make_unique<CFileList>();
      record->fileName = entry.path().filename().string();
      record->title = record->fileName.substr(0, record->fileName.size() - 4);
      record->pathName = record->filePath = folderPath + record->fileName;
      record->dateText = MakeDateText(record->fileName, LastWriteTime(record->filePath), kScanDateLimit);
      InsertSorted(std::move(record));
    }
  }
  RefillListView();
  shownFolderPath = folderPath;
}

int CListDlg::InsertSorted(std::unique_ptr<CFileList> record) {
  // Rows are always in path order, so the first not-less path is found by halving.
  auto at = std::lower_bound(records.begin(), records.end(), record->filePath,
                             [](const std::unique_ptr<CFileList>& listed, const std::string& path) {
                               return listed->filePath < path;
                             });
  int row = static_cast<int>(at - records.begin());
  records.insert(at, std::move(record));
  return row;
}

void CListDlg::RefillListView() {
  listView->DeleteAllRows();
  itemCount = static_cast<std::int32_t>(records.size());
  for (int row = 0; row < itemCount; ++row) {
    listView->InsertRow(row, KindOfRow(row));
    listView->SetText(row, 1, records[row]->dateText);
    listView->SetText(row, 2, records[row]->fileName);
  }
}

void CListDlg::CloseEngine() {
  mainWindow.videoScreen->Show(false);
  mainWindow.videoScreen->Close();
}

void CListDlg::OnClipClicked(int row) {
  if (row < 0 || row == selectedIndex || row >= itemCount) return;
  CloseEngine();
  selectedIndex = row;
  if (OpenRow(row, true)) mainWindow.ShowTransportFaces(CZelvikPlayerDlg::Faces::Paused);
}

void CListDlg::OnClipDoubleClicked(int row) {
  if (row == -1 || row >= itemCount) return;
  if (row < 0 || row == selectedIndex) {
    // The click of the double click has just opened this row: play once its preview has ended.
    pendingPlay = 1;
    SetTimer(TIMER_PENDING_PLAY, kPendingPlayMs);
    return;
  }
  CloseEngine();
  selectedIndex = row;
  mainWindow.videoScreen->OpenClip(records[row]->filePath);
  PlayOpenClip();
}

void CListDlg::OnTimer(int id) {
  if (id != TIMER_PENDING_PLAY) return;
  KillTimer(TIMER_PENDING_PLAY);
  PlayOpenClip();
  pendingPlay = 0;
}

void CListDlg::PlayOpenClip() {
  mainWindow.KillTimer(TIMER_TICK);
  mainWindow.videoScreen->Play();
  mainWindow.SetTimer(TIMER_TICK, PlaybackClock.tickPeriodMs);
  mainWindow.ShowTransportFaces(CZelvikPlayerDlg::Faces::Playing);
}

void CListDlg::SelectRowInView(int row) {
  selectedIndex = row;
  listView->SelectRow(row);
  listView->Redraw();
}

// Opens the row's clip, with its first picture or stopped for the caller to play;
// a listed file that is gone opens nothing and the video screen stays hidden.
bool CListDlg::OpenRow(int row, bool preview) {
  const std::string& path = records[row]->filePath;
  if (!FileExists(path)) {
    mainWindow.videoScreen->Show(false);
    return false;
  }
  mainWindow.clipLengthCode = KindOfRow(row);
  mainWindow.videoScreen->Show(true);
  if (preview) {
    mainWindow.videoScreen->OpenClipAndPreview(path);
  } else {
    mainWindow.videoScreen->OpenClip(path);
  }
  return true;
}

void CListDlg::OpenNextClip() {
  int selected = listView->SelectedRow();
  if (selected < 0 || itemCount <= 0) return;
  CloseEngine();
  int row = selected + 1 >= itemCount ? 0 : selected + 1;
  SelectRowInView(row);
  OpenRow(row, false);
}

void CListDlg::OpenPreviousClip() {
  int selected = listView->SelectedRow();
  if (selected < 0 || itemCount <= 0) return;
  CloseEngine();
  int row = selected - 1 < 0 ? itemCount - 1 : selected - 1;
  SelectRowInView(row);
  OpenRow(row, false);
}

void CListDlg::OpenClipAt(int row) {
  if (row < 0 || row >= itemCount) return;
  SelectRowInView(row);
  OpenRow(row, false);
}

void CListDlg::ClearList() {
  selectedIndex = -1;
  folderPath.clear();
  itemCount = 0;
  listView->DeleteAllRows();
  records.clear();
  shownFolderPath = folderPath;
}

void CListDlg::SelectFolder() {
  selectedIndex = -1;
  std::optional<std::string> folder = platform::ChooseFolder(this, "Select Folder", currentFolder);
  if (folder) ListFolder(*folder);
}

void CListDlg::ListFolder(const std::string& folder) {
  // The folder becomes the current one, so a relative name is made absolute first.
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
  if (ec) absolute = folder;
  std::filesystem::current_path(absolute, ec);
  folderPath = absolute.lexically_normal().string();
  if (folderPath.empty() || folderPath.back() != '/') folderPath += '/';
  currentFolder = folderPath;
  ScanFolder();
}

void CListDlg::OpenFileCommand() {
  std::optional<std::string> file =
      platform::ChooseFileToOpen(this, {{"AVI Files(*.avi)", "*.avi"}, {"All Files(*.*)", "*.*"}});
  if (file) OpenFile(*file);
}

void CListDlg::OpenFile(const std::string& path) {
  auto record = std::make_unique<CFileList>();
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(path, ec);
  record->fileName = std::filesystem::path(path).filename().string();
  record->title = record->fileName.size() >= 4 ? record->fileName.substr(0, record->fileName.size() - 4) : "";
  record->pathName = path;
  record->filePath = ec ? path : full.lexically_normal().string();
  // A file whose time cannot be read is dated by its name, or 1970.1.1.
  record->dateText = MakeDateText(record->fileName, LastWriteTime(record->filePath), kOpenDateLimit);
  int row = InsertSorted(std::move(record));
  RefillListView();
  shownFolderPath = folderPath;
  if (Window* parent = Parent()) parent->PostMessage(WM_CLIP_OPENED, 0, row);
}
