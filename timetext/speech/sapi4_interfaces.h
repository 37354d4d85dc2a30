// The SAPI 4 text-to-speech interfaces the program uses, declared here from
// their published definitions (ANSI variants): the mode enumerator, the
// central object of a selected mode, its attributes and the buffer notify sink
// the program implements. Methods are listed in their interface order.
#pragma once

#include <windows.h>
#include <unknwn.h>

namespace speech::sapi4 {

using QWORD = unsigned long long;

inline constexpr CLSID kClsidTtsEnumerator = {
    0xD67C0280, 0xC743, 0x11CD, {0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50}};
inline constexpr CLSID kClsidMmAudioDest = {
    0xCB96B400, 0xC743, 0x11CD, {0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50}};
inline constexpr IID kIidTtsEnumA = {
    0x05EB6C6F, 0xDBAB, 0x11CD, {0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F}};
inline constexpr IID kIidTtsCentralA = {
    0x05EB6C6A, 0xDBAB, 0x11CD, {0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F}};
inline constexpr IID kIidTtsAttributesA = {
    0x0FD6E2A1, 0xE77D, 0x11CD, {0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F}};
inline constexpr IID kIidTtsBufNotifySink = {
    0xE4963D40, 0xC743, 0x11CD, {0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50}};
inline constexpr IID kIidAudioMultiMediaDevice = {
    0xB68AD320, 0xC743, 0x11CD, {0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50}};

constexpr int kNameLength = 262;
constexpr int kDialectLength = 64;
constexpr int kCharsetText = 0;   // plain text
constexpr DWORD kTaggedText = 1;  // the text may carry engine tags

struct SDATA {
    void* pData;
    DWORD dwSize;
};

struct LANGUAGEA {
    LANGID LanguageID;
    char szDialect[kDialectLength];
};

struct TTSMODEINFOA {
    GUID gEngineID;
    char szMfgName[kNameLength];
    char szProductName[kNameLength];
    GUID gModeID;
    char szModeName[kNameLength];
    LANGUAGEA language;
    char szSpeaker[kNameLength];
    char szStyle[kNameLength];
    WORD wGender;  // 0 neutral, 1 female, 2 male
    WORD wAge;
    DWORD dwFeatures;
    DWORD dwInterfaces;
    DWORD dwEngineFeatures;
};

struct ITTSCentralA : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Inject(const char* text) = 0;
    virtual HRESULT STDMETHODCALLTYPE ModeGet(TTSMODEINFOA* mode) = 0;
    virtual HRESULT STDMETHODCALLTYPE Phoneme(int charset, DWORD flags, SDATA text, SDATA* phonemes) = 0;
    virtual HRESULT STDMETHODCALLTYPE PosnGet(QWORD* position) = 0;
    virtual HRESULT STDMETHODCALLTYPE TextData(int charset, DWORD flags, SDATA text, void* notify,
                                               IID notifyInterface) = 0;
    virtual HRESULT STDMETHODCALLTYPE ToFileTime(QWORD* position, FILETIME* time) = 0;
    virtual HRESULT STDMETHODCALLTYPE AudioPause() = 0;
    virtual HRESULT STDMETHODCALLTYPE AudioResume() = 0;
    virtual HRESULT STDMETHODCALLTYPE AudioReset() = 0;
    virtual HRESULT STDMETHODCALLTYPE Register(void* notify, IID notifyInterface, DWORD* key) = 0;
    virtual HRESULT STDMETHODCALLTYPE UnRegister(DWORD key) = 0;
};

struct ITTSEnumA : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Next(ULONG count, TTSMODEINFOA* modes, ULONG* fetched) = 0;
    virtual HRESULT STDMETHODCALLTYPE Skip(ULONG count) = 0;
    virtual HRESULT STDMETHODCALLTYPE Reset() = 0;
    virtual HRESULT STDMETHODCALLTYPE Clone(ITTSEnumA** copy) = 0;
    virtual HRESULT STDMETHODCALLTYPE Select(GUID mode, ITTSCentralA** central, IUnknown* audio) = 0;
};

struct ITTSAttributesA : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE PitchGet(WORD* pitch) = 0;
    virtual HRESULT STDMETHODCALLTYPE PitchSet(WORD pitch) = 0;
    virtual HRESULT STDMETHODCALLTYPE RealTimeGet(DWORD* realTime) = 0;
    virtual HRESULT STDMETHODCALLTYPE RealTimeSet(DWORD realTime) = 0;
    virtual HRESULT STDMETHODCALLTYPE SpeedGet(DWORD* speed) = 0;
    virtual HRESULT STDMETHODCALLTYPE SpeedSet(DWORD speed) = 0;
    virtual HRESULT STDMETHODCALLTYPE VolumeGet(DWORD* volume) = 0;
    virtual HRESULT STDMETHODCALLTYPE VolumeSet(DWORD volume) = 0;
};

struct ITTSBufNotifySink : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE TextDataDone(QWORD timeStamp, DWORD flags) = 0;
    virtual HRESULT STDMETHODCALLTYPE TextDataStarted(QWORD timeStamp) = 0;
    virtual HRESULT STDMETHODCALLTYPE BookMark(QWORD timeStamp, DWORD mark) = 0;
    virtual HRESULT STDMETHODCALLTYPE WordPosition(QWORD timeStamp, DWORD byteOffset) = 0;
};

}  // namespace speech::sapi4
