// A small component-object layer: result codes, interface identifiers, reference-counted
// interfaces and the per-thread OLE initialisation that object creation requires. It mirrors the
// Windows calls closely enough that a Windows build can forward to the real ones.
#pragma once

#include <cstdint>
#include <utility>

namespace brontel::platform {

// A 32-bit result code: 0 and other non-negative values succeed, values with the top bit fail.
using HResult = std::int32_t;

constexpr HResult MakeHResult(std::uint32_t bits) { return static_cast<HResult>(bits); }
constexpr bool Succeeded(HResult result) { return result >= 0; }
constexpr bool Failed(HResult result) { return result < 0; }
// The result code of a Win32 error number (FACILITY_WIN32), 0 staying 0.
constexpr HResult HResultFromWin32(std::uint32_t error) {
  return error == 0 ? 0 : MakeHResult((error & 0xFFFF) | 0x80070000u);
}

inline constexpr HResult kS_OK = 0;
inline constexpr HResult kS_FALSE = 1;
inline constexpr HResult kE_NOTIMPL = MakeHResult(0x80004001u);
inline constexpr HResult kE_NOINTERFACE = MakeHResult(0x80004002u);
inline constexpr HResult kE_POINTER = MakeHResult(0x80004003u);
inline constexpr HResult kE_FAIL = MakeHResult(0x80004005u);
inline constexpr HResult kE_UNEXPECTED = MakeHResult(0x8000FFFFu);
inline constexpr HResult kE_OUTOFMEMORY = MakeHResult(0x8007000Eu);
inline constexpr HResult kE_INVALIDARG = MakeHResult(0x80070057u);
inline constexpr HResult kCLASS_E_NOAGGREGATION = MakeHResult(0x80040110u);
inline constexpr HResult kREGDB_E_CLASSNOTREG = MakeHResult(0x80040154u);
inline constexpr HResult kCO_E_NOTINITIALIZED = MakeHResult(0x800401F0u);

// Win32 error numbers that the objects report through HResultFromWin32.
inline constexpr std::uint32_t kErrorFileNotFound = 2;
inline constexpr std::uint32_t kErrorPathNotFound = 3;
inline constexpr std::uint32_t kErrorAccessDenied = 5;
inline constexpr std::uint32_t kErrorBadFormat = 11;
inline constexpr std::uint32_t kErrorDiskFull = 112;

// A class or interface identifier, laid out as Windows lays out a GUID.
struct Guid {
  std::uint32_t data1;
  std::uint16_t data2;
  std::uint16_t data3;
  std::uint8_t data4[8];

  friend bool operator==(const Guid&, const Guid&) = default;
};

inline constexpr Guid kIID_IUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// The root of every interface. An object lives while its reference count is above zero: each
// interface pointer handed out carries one reference, which its holder gives back by Release.
class IUnknown {
 public:
  // On success stores an interface pointer of type `iid` (with a new reference) in `*object`;
  // otherwise stores null and returns kE_NOINTERFACE (kE_POINTER when `object` is null).
  virtual HResult QueryInterface(const Guid& iid, void** object) = 0;
  // Returns the new reference count (for diagnostics only).
  virtual std::uint32_t AddRef() = 0;
  // Gives back one reference; the object is destroyed when the last one goes. The pointer must
  // not be used afterwards.
  virtual std::uint32_t Release() = 0;

 protected:
  // Objects are destroyed only through Release.
  ~IUnknown() = default;
};

// Holds one reference to an interface and gives it back on destruction, so interfaces are
// released on every path, in the reverse order of their acquisition when declared in order.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over the reference that `pointer` carries.
  explicit ComPtr(T* pointer) : pointer_(pointer) {}
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() { Reset(); }

  T* Get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  T& operator*() const { return *pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  // Releases the held interface, if any.
  void Reset() {
    if (pointer_ != nullptr) std::exchange(pointer_, nullptr)->Release();
  }
  // Releases the held interface and returns a slot for a call that stores a new one
  // (QueryInterface, CoCreateInstance). The slot passes to a `void**` parameter and hands what was
  // stored there to this holder at the end of the full expression.
  class Slot {
   public:
    explicit Slot(ComPtr& owner) : owner_(owner) {}
    Slot(const Slot&) = delete;
    Slot& operator=(const Slot&) = delete;
    ~Slot() { owner_.pointer_ = static_cast<T*>(raw_); }
    operator void**() { return &raw_; }

   private:
    ComPtr& owner_;
    void* raw_ = nullptr;
  };
  Slot PutVoid() {
    Reset();
    return Slot(*this);
  }

 private:
  T* pointer_ = nullptr;
};

// Class-context flag: the object runs in the caller's process.
inline constexpr std::uint32_t kCLSCTX_INPROC_SERVER = 0x1;

// Initialises OLE for the calling thread. Returns kS_OK on the first call of a thread and
// kS_FALSE on nested calls; each call is to be matched by one OleUninitialize. `reserved` must be
// null (kE_INVALIDARG otherwise).
HResult OleInitialize(void* reserved);
// Undoes one OleInitialize of the calling thread; does nothing when OLE is not initialised.
void OleUninitialize();
// True while OLE is initialised on the calling thread.
bool OleInitialized();

// Creates an object of class `clsid` and stores its interface `iid` (one reference) in
// `*object`. Fails with kCO_E_NOTINITIALIZED when OLE is not initialised on this thread,
// kCLASS_E_NOAGGREGATION when `outer` is not null, kREGDB_E_CLASSNOTREG for an unknown class or
// a context without kCLSCTX_INPROC_SERVER, kE_NOINTERFACE when the object lacks `iid`; `*object`
// is null after every failure.
HResult CoCreateInstance(const Guid& clsid, IUnknown* outer, std::uint32_t context, const Guid& iid,
                         void** object);

}  // namespace brontel::platform
