// The archive component's failures. Each derives directly from Exception and carries only its
// message; the texts are fixed, so callers may show them to the user as they are.
#pragma once

#include "base/exception.h"

namespace brontel {

// "Not enough disk space to expand " followed by the target path.
BRONTEL_DECLARE_EXCEPTION(EInsufficientDiskSpace);
// "Unrecognized compression method in header".
BRONTEL_DECLARE_EXCEPTION(EUnrecognizedCompressionMethod);
// "Archive type must be vaMulti".
BRONTEL_DECLARE_EXCEPTION(EInvalidHeaderArchiveType);
// "Can't recognize compressed file header".
BRONTEL_DECLARE_EXCEPTION(EInvalidHeader);
// "Bad checksum during expansion -- data may be invalid".
BRONTEL_DECLARE_EXCEPTION(EBadChecksum);
// "File locked -- valid key required".
BRONTEL_DECLARE_EXCEPTION(EInvalidKey);

// An entry whose sizes cannot belong to a well-formed archive: following it would make the walk
// stand still, go back or leave the positions the format can address. Raised before anything
// is written for the entry.
BRONTEL_DECLARE_EXCEPTION(ECorruptArchive);
// An entry name that would place its file outside the target folder ("..", a drive). Raised
// before any folder or file is made for the entry.
BRONTEL_DECLARE_EXCEPTION(EUnsafeEntryName);

inline constexpr char kMsgInsufficientDiskSpace[] = "Not enough disk space to expand ";
inline constexpr char kMsgUnrecognizedCompressionMethod[] =
    "Unrecognized compression method in header";
inline constexpr char kMsgInvalidHeaderArchiveType[] = "Archive type must be vaMulti";
inline constexpr char kMsgInvalidHeader[] = "Can't recognize compressed file header";
inline constexpr char kMsgBadChecksum[] = "Bad checksum during expansion -- data may be invalid";
inline constexpr char kMsgInvalidKey[] = "File locked -- valid key required";

}  // namespace brontel
