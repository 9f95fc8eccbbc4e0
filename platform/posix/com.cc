#include "platform/com.h"

#include "platform/file_system.h"
#include "platform/shell_link.h"

namespace brontel::platform {

namespace {
// OLE is initialised per thread, as on Windows: each thread counts its own nested calls.
thread_local int ole_depth = 0;
}  // namespace

HResult OleInitialize(void* reserved) {
  if (reserved != nullptr) return kE_INVALIDARG;
  return ole_depth++ == 0 ? kS_OK : kS_FALSE;
}

void OleUninitialize() {
  if (ole_depth > 0) --ole_depth;
}

bool OleInitialized() { return ole_depth > 0; }

HResult CoCreateInstance(const Guid& clsid, IUnknown* outer, std::uint32_t context, const Guid& iid,
                         void** object) {
  if (object == nullptr) return kE_POINTER;
  *object = nullptr;
  if (!OleInitialized()) return kCO_E_NOTINITIALIZED;
  if (outer != nullptr) return kCLASS_E_NOAGGREGATION;
  if ((context & kCLSCTX_INPROC_SERVER) == 0) return kREGDB_E_CLASSNOTREG;
  if (clsid == kCLSID_ShellLink) return CreateShellLinkObject(FileSystem::Default(), iid, object);
  return kREGDB_E_CLASSNOTREG;
}

}  // namespace brontel::platform
