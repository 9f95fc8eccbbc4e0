// Unpacking the installer's own payload into the destination folder, file by file, through the
// extraction dialog's archive component.
#pragma once

#include <string>

#include "setup/copy_form.h"

namespace brontel {

// Opens the archive of resource TVONDRAL/"data" in the running executable, sets FileCount and
// DestDirSlash (install state), and expands its entries one at a time below DestDir, in archive
// order. For each entry it shows "Extracting: <name>" in the dialog, lets pending messages run,
// and, when a file of that name is there already: asks whether to keep it if it is the site
// database, moves it (or, when kept, copies it) into DestDirSlash + "Backup" when BackupReplaced
// is set, and deletes it unless kept; a kept file is not expanded. Every file operation goes
// through the dialog's application's file system; the outcome of making the backup folder, of
// the copy, the move and the delete is not tested.
// Raises EUnsafeEntryName before touching any file for an entry name that would leave the
// destination, and whatever the component raises (opening the resource, a damaged archive, too
// little room, a folder that cannot be made, a bad checksum); files written before stay.
void ExtractPayload(TfrmCopy& dialog);

// True when `name`, its letters a-z taken as capitals, is exactly "SITES.INI" (a folder part
// makes it another file).
bool IsSiteDatabase(const std::string& name);

}  // namespace brontel
