// The SAPI 5 voice object as the program reaches it: through its automation
// (IDispatch) interface by member name, and its events through a connection
// point of the voice events interface. Only the identifiers we use are here.
#pragma once

#include <windows.h>

namespace speech::sapi5 {

// The voice object's class, its automation interface and its events interface.
inline constexpr CLSID kClsidSpVoice = {
    0x96749377, 0x3391, 0x11D2, {0x9E, 0xE3, 0x00, 0xC0, 0x4F, 0x79, 0x73, 0x96}};
inline constexpr IID kIidSpeechVoice = {
    0x269316D8, 0x57BD, 0x11D2, {0x9E, 0xEE, 0x00, 0xC0, 0x4F, 0x79, 0x73, 0x96}};
inline constexpr IID kDiidSpeechVoiceEvents = {
    0xA372ACD1, 0x3BEF, 0x4BBD, {0x8F, 0xFB, 0xCB, 0x3E, 0x2B, 0x41, 0x6A, 0xF8}};

// Dispatch ids of the events: 1 start of stream .. 10 engine private.
enum EventId : DISPID {
    kStartStream = 1,
    kEndStream = 2,
    kVoiceChange = 3,
    kBookmark = 4,
    kWord = 5,
    kSentence = 6,
    kPhoneme = 7,
    kViseme = 8,
    kAudioLevel = 9,
    kEnginePrivate = 10,
};

// Speak flags.
constexpr long kSpeakAsync = 1;

}  // namespace speech::sapi5
