#include "setup/extract_payload.h"

#include <cstdint>
#include <memory>

#include "archive/entry_checks.h"
#include "archive/string_list.h"
#include "base/stream.h"
#include "base/strings.h"
#include "setup/file_checks.h"
#include "setup/install_state.h"
#include "setup/paths.h"
#include "ui/application.h"
#include "ui/message_dlg.h"

namespace brontel {

namespace {

constexpr char kKeepSiteDatabase[] =
    "There is currently a site database file. Do you want to keep the existing file? ";

}  // namespace

bool IsSiteDatabase(const std::string& name) { return UpperAscii(name) == "SITES.INI"; }

void ExtractPayload(TfrmCopy& dialog) {
  ui::Application& app = dialog.GetApplication();
  platform::FileSystem& file_system = app.FileSystem();
  VondralComponent& archive = *dialog.Vondral1;

  // Released in the opposite order: the lists first, the stream last.
  const std::unique_ptr<Stream> stream = TVondral::OpenResourceStream("data", "");
  archive.MakeDirectories = true;
  archive.SetTargetPath(DestDir);
  TStringList names;
  TStringList one_name;
  archive.ScanCompressedStream(*stream, names);
  FileCount = names.Count();
  DestDirSlash = WithTrailingBackslash(DestDir);
  const std::string backup_dir = DestDirSlash + "Backup";
  bool backup_ready = false;

  for (std::int32_t i = 0; i < FileCount; ++i) {
    const std::string name = names.Strings(i);
    dialog.Label1->SetCaption("Extracting: " + name);
    app.ProcessMessages();
    dialog.BeginEntry(i);
    // The component refuses such a name only when it comes to write; the old file it would
    // have replaced must not be moved or deleted before that.
    CheckEntryName(name);

    bool keep = false;
    const std::string target = DestDirSlash + name;
    if (FileExists(file_system, target)) {
      if (IsSiteDatabase(name)) {
        keep = ui::MessageDlg(kKeepSiteDatabase, ui::MsgDlgType::kConfirmation,
                              ui::mbYes | ui::mbNo) == ui::ModalResult::kYes;
      }
      if (BackupReplaced) {
        // A backup folder that could not be made is tried again at the next replaced file.
        if (!backup_ready) {
          file_system.CreateDirectory(backup_dir);
          backup_ready = DirectoryExists(file_system, backup_dir);
        }
        if (backup_ready) {
          const std::string backup = WithTrailingBackslash(backup_dir) + name;
          if (keep) {
            file_system.CopyFile(target, backup);
          } else {
            // Fails when an earlier backup of that name is there; the earlier one stays.
            file_system.MoveFile(target, backup);
          }
        }
      }
      if (!keep) file_system.DeleteFile(target);
    }
    if (!keep) {
      one_name.Clear();
      one_name.Add(name);
      archive.ExpandFilesFromStream(*stream, &one_name);
    }
    dialog.EntryDone(i);
  }
}

}  // namespace brontel
