#pragma once

class QCoreApplication;

// The desktop the Japanese screens expect, set up once at start-up.

// Qt's own Japanese texts (はい, いいえ, キャンセル) from the system's translations.
// False when they are not installed; the standard texts then stay English.
bool InstallJapaneseTranslations(QCoreApplication& application);

// The screens name the Windows fonts "ＭＳ ゴシック", "ＭＳ Ｐゴシック",
// "ＭＳ 明朝" and "ＭＳ Ｐ明朝"; they are drawn with the IPA fonts of the same
// shapes. Also makes the proportional gothic the program's default font.
void InstallFontSubstitutions();
