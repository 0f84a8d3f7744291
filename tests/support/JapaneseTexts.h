#pragma once
// Texts of the Japanese resource module as UTF-16, written as code points so
// that they do not depend on how any tool reads a source file.

// "ソフトウェア情報": the main dialog's caption and its group frame.
inline constexpr wchar_t kJapaneseMainCaption[] = L"\u30BD\u30D5\u30C8\u30A6\u30A7\u30A2\u60C5\u5831";
// "ソフトウェア" and "説明": the list's headings.
inline constexpr wchar_t kJapaneseSoftwareHeading[] = L"\u30BD\u30D5\u30C8\u30A6\u30A7\u30A2";
inline constexpr wchar_t kJapaneseDescriptionHeading[] = L"\u8AAC\u660E";
// "検索": the search box's label and cue text.
inline constexpr wchar_t kJapaneseSearch[] = L"\u691C\u7D22";
