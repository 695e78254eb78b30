#pragma once
// The handheld's remote API as this program calls it: the records and the
// eight functions, declared here because no system package ships them.
// Characters are 16 bits on every system (wchar_t is 4 bytes on Linux).
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define ROAMPLOT_RAPI_CALL __stdcall
#else
#define ROAMPLOT_RAPI_CALL
#endif

namespace roamplot::rapi {

using DWORD = uint32_t;
using BOOL = int32_t;
using HRESULT = int32_t;
using HANDLE = void*;
using WCHAR = char16_t;

inline const HANDLE InvalidHandle = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));
inline constexpr HRESULT Ok = 0;
inline constexpr HRESULT Failed = static_cast<HRESULT>(0x80004005u);

inline constexpr DWORD GenericRead = 0x80000000u;
inline constexpr DWORD GenericWrite = 0x40000000u;
inline constexpr DWORD FileShareRead = 0x00000001u;
inline constexpr DWORD CreateAlways = 2;
inline constexpr DWORD OpenExisting = 3;

inline constexpr DWORD FafAttributes = 0x01;
inline constexpr DWORD FafLastWriteTime = 0x08;
inline constexpr DWORD FafSizeHigh = 0x10;
inline constexpr DWORD FafSizeLow = 0x20;
inline constexpr DWORD FafName = 0x80;
inline constexpr DWORD FileAttributeDirectory = 0x10;

inline constexpr int MaxPath = 260;

struct RAPIINIT {
    DWORD cbSize;
    HANDLE heRapiInit; // signalled once the connection attempt has ended
    HRESULT hrRapiInit;
};

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

struct CE_FIND_DATA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwOID;
    WCHAR cFileName[MaxPath];
};

using CeRapiInitExFunction = HRESULT(ROAMPLOT_RAPI_CALL*)(RAPIINIT* init);
using CeRapiUninitFunction = HRESULT(ROAMPLOT_RAPI_CALL*)();
using CeCreateFileFunction = HANDLE(ROAMPLOT_RAPI_CALL*)(const WCHAR* name, DWORD access,
                                                         DWORD share, void* security,
                                                         DWORD creation, DWORD flags,
                                                         HANDLE templateFile);
using CeReadFileFunction = BOOL(ROAMPLOT_RAPI_CALL*)(HANDLE file, void* buffer, DWORD toRead,
                                                     DWORD* read, void* overlapped);
using CeWriteFileFunction = BOOL(ROAMPLOT_RAPI_CALL*)(HANDLE file, const void* buffer,
                                                      DWORD toWrite, DWORD* written,
                                                      void* overlapped);
using CeCloseHandleFunction = BOOL(ROAMPLOT_RAPI_CALL*)(HANDLE object);
using CeFindAllFilesFunction = BOOL(ROAMPLOT_RAPI_CALL*)(const WCHAR* pattern, DWORD flags,
                                                         DWORD* count, CE_FIND_DATA** found);
using RapiFreeBufferFunction = HRESULT(ROAMPLOT_RAPI_CALL*)(void* buffer);

// The eight functions a DeviceLink calls; a table with any entry missing
// behaves as an absent device.
struct RemoteApiTable {
    CeRapiInitExFunction CeRapiInitEx = nullptr;
    CeRapiUninitFunction CeRapiUninit = nullptr;
    CeCreateFileFunction CeCreateFile = nullptr;
    CeReadFileFunction CeReadFile = nullptr;
    CeWriteFileFunction CeWriteFile = nullptr;
    CeCloseHandleFunction CeCloseHandle = nullptr;
    CeFindAllFilesFunction CeFindAllFiles = nullptr;
    RapiFreeBufferFunction RapiFreeBuffer = nullptr;

    bool Complete() const {
        return CeRapiInitEx && CeRapiUninit && CeCreateFile && CeReadFile && CeWriteFile &&
               CeCloseHandle && CeFindAllFiles && RapiFreeBuffer;
    }
};

} // namespace roamplot::rapi
