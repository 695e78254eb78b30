#pragma once
// The names of the undo steps, as "Undo" and "Redo" show them. Every layer
// that starts a step takes its name from here.
namespace roamplot::StepNames {

inline constexpr const char* NewBox = "New Box";
inline constexpr const char* DeleteBox = "Delete Box";
inline constexpr const char* Paste = "Paste";
inline constexpr const char* ReorderBoxes = "Reorder Boxes";
inline constexpr const char* ChooseParameter = "Choose Parameter";
inline constexpr const char* MoveBox = "Move Box";
inline constexpr const char* ResizeBox = "Resize Box";
inline constexpr const char* AlignBoxes = "Align Boxes";
inline constexpr const char* FitBoxesIntoScreen = "Fit Boxes Into Screen";
inline constexpr const char* ScaleLayout = "Scale Layout To Screen";
inline constexpr const char* PasteStyle = "Paste Style";
inline constexpr const char* DuplicatePage = "Duplicate Page";
inline constexpr const char* ImportPages = "Import Pages";
inline constexpr const char* MovePage = "Move Page";
inline constexpr const char* ClearPage = "Clear Page";
inline constexpr const char* DeletePage = "Delete Page";
inline constexpr const char* RenamePage = "Rename Page";
inline constexpr const char* AssignKey = "Assign Key";
inline constexpr const char* ChangeScreenButton = "Change Screen Button";

} // namespace roamplot::StepNames
