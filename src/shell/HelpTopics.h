#pragma once

// Topic numbers of the help file; each is an anchor "#<number>" in VekRech.html.
namespace HelpTopic {
inline constexpr int Contents = 1000;
inline constexpr int AccManagerEmpty = 1001;
inline constexpr int AccManager = 1002;
inline constexpr int AccDialog = 1003;
inline constexpr int TermDialog = 1004;
inline constexpr int PinNote = 1006;
inline constexpr int Documents = 1007;
inline constexpr int OwnAccounts = 1011;
inline constexpr int Backup = 1012;
inline constexpr int Region = 1013;
inline constexpr int DataPath = 1016;
} // namespace HelpTopic
