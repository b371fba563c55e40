#pragma once

#include <QString>

#include <span>
#include <string_view>

namespace kunimor::app {

// The program's messages: every text it composes at run time (questions,
// notices, hints, status texts, menus built when they open). Each has an id,
// the key of its line in a language file's message section ("1004_Confirm=")
// and its built-in Russian text, shown while no language names it. Ids
// ascend in this table, as a language file must list them.
// \r breaks a message's lines; %1, %2 are filled in by the caller.
#define KUNIMOR_PROGRAM_TEXTS(X)                                                                                      \
    X(1001, Warning, "Warning")                                                                                        \
    X(1002, Error, "Error")                                                                                            \
    X(1003, Information, "Information")                                                                                \
    X(1004, Confirm, "Confirm")                                                                                        \
    X(1005, ButtonOk, "OK")                                                                                            \
    X(1006, ButtonCancel, "Отмена")                                                                                    \
    X(1007, ButtonYes, "Да")                                                                                           \
    X(1008, ButtonNo, "Нет")                                                                                           \
    X(1010, MainCaption, "Кунимор — беларуско-русский переводчик")                                                    \
    X(1011, Modified, "Изменен")                                                                                       \
    X(1012, CaretPosition, "Строка: %1  Символ: %2")                                                                   \
    X(1013, SecondInstance,                                                                                            \
      "Программа уже запущена!\r(Возможно, она свернута на панели задач).\rВторую копию программы можно запустить\r"   \
      "только в режиме перевода (без возможности\rсохранить изменения в словари).\r\rВсе равно запустить?")            \
    X(1014, LoadingDictionary, "Загрузка словаря...")                                                                  \
    X(1015, NoDictionary, "Словарь не загружен: перевод невозможен")                                                   \
    X(1016, AbortTranslation, "Вы действительно хотите прервать перевод?")                                             \
    X(1017, ConfirmTranslation,                                                                                        \
      "Вы действительно хотите выполнить\rперевод всего текста\rс языка \"%1\"\rна язык \"%2\"?")                      \
    X(1018, LanguageRussian, "русский")                                                                                \
    X(1019, LanguageBelarusian, "беларуский")                                                                          \
    X(1020, Translating, "Идет перевод текста. Ждите...")                                                              \
    X(1021, SourceModified, "Оригинальный текст был изменен!\rСохранить сейчас?")                                      \
    X(1022, ResultModified, "Переведенный текст не сохранен!\rСохранить сейчас?")                                      \
    X(1023, TranslationsFor, "Переводы для \"%1\"")                                                                    \
    X(1024, LatinkaNotice,                                                                                             \
      "Интерфейс на латинке показывается буквами беларуской латинки\r(ć, č, ł, ń, ś, š, ŭ, ź, ž): они должны быть в "  \
      "шрифте окон.")                                                                                                   \
    X(1025, LanguageNotLoaded, "Не удалось загрузить язык интерфейса \"%1\"")                                        \
    X(1026, NoHelp, "Справочник не найден:\r\"%1\"")                                                                   \
    X(1027, Version, "Версия %1")                                                                                      \
    X(1030, FilterTexts, "Текстовые файлы (*.txt *.rtf *.wri *.me *.diz *.lst *.log *.nfo *.bbs)")                     \
    X(1031, FilterPages, "Html-страницы и скрипты (*.htm* *.shtm* *.js *.php* *.css)")                                 \
    X(1032, FilterSpecial, "Специальные файлы (*.ini *.reg *.ctl *.cfg *.lnk *.url *.inf)")                            \
    X(1033, FilterPrograms, "Тексты программ (*.pas *.inc *.c *.cpp *.asm *.rc *.dpr)")                                \
    X(1034, FilterAll, "Все файлы (*)")                                                                                \
    X(1035, FilterRtf, "Файлы RTF (*.rtf)")                                                                            \
    X(1036, OpenCaption, "Открыть")                                                                                    \
    X(1037, FileNotFound, "Файл \"%1\" не найден")                                                                     \
    X(1038, LoadingFile, "Идет загрузка файла. Ждите...")                                                              \
    X(1039, CannotLoad, "Невозможно загрузить файл\r\"%1\"")                                                           \
    X(1040, CannotSave, "Невозможно сохранить файл\r\"%1\"\r%2")                                                       \
    X(1041, LossySave,                                                                                                 \
      "В кодировке \"%1\" нет некоторых символов текста (%2).\rОни будут записаны как \"?\". Сохранить все равно?")    \
    X(1042, SavingFile, "Идет сохранение файла. Ждите...")                                                             \
    X(1043, RtfAsPlain,                                                                                                \
      "Файл \"%1\" был открыт как RTF.\rСохранение запишет его как простой текст без разметки.\rЗаписать поверх "      \
      "него?\r(Нет: сохранить под другим именем)")                                                                     \
    X(1044, SaveSourceAs, "Сохранить оригинал как...")                                                                 \
    X(1045, SaveResultAs, "Сохранить результат как...")                                                                \
    X(1046, SaveMarkupAs, "Сохранить перевод с разметкой как...")                                                      \
    X(1047, LoadDropped, "Загрузить в Кунимор файл \"%1\"?")                                                           \
    X(1048, Encoding, "Кодировка:")                                                                                    \
    X(1050, Checking, "Идет проверка правописания. Ждите...")                                                          \
    X(1051, SpellCounts, "Слов с ошибками: %1, с предупреждениями: %2")                                                \
    X(1052, NoSpellErrors, "Ошибок в тексте не обнаружено")                                                            \
    X(1053, AbortCheck, "Вы действительно хотите прервать проверку?")                                                  \
    X(1054, ConfirmCorrection,                                                                                         \
      "Сейчас будет произведена орфографическая проверка\rи исправление текущего текста, в соответствии с\rправилами, " \
      "заложенными в орфоанализаторе программы.\r\rВы уверены, что хотите продолжить?")                                \
    X(1055, WordHasErrors, "Слово \"%1\" содержит орфографические ошибки")                                             \
    X(1056, WordMaybeWrong, "Возможно, слово \"%1\" написано неправильно")                                             \
    X(1057, ReplacementHint, "Варианты замены слова")                                                                  \
    X(1058, CheckingWord, "Проверка слова \"%1\"")                                                                     \
    X(1060, FindInText, "Найти в тексте")                                                                              \
    X(1061, FindInTextHint, "Найти вхождение слова в тексте")                                                          \
    X(1062, SortMenu, "Сортировать...")                                                                                \
    X(1063, SortAlphabetically, "по алфавиту")                                                                         \
    X(1064, SortByCount, "по частоте")                                                                                 \
    X(1065, UnknownFileName, "неизвестные слова")                                                                      \
    X(1066, SaveUnknown, "Сохранить неизвестные слова")                                                                \
    X(1067, UnknownSaved, "Список неизвестных слов сохранен\rв файл \"%1\"")                                           \
    X(1068, UnknownNotSaved, "Список не сохранен!")                                                                    \
    X(1070, FindCaption, "Найти")                                                                                      \
    X(1071, ReplaceCaption, "Заменить")                                                                                \
    X(1080, ViewNormal, "Обычный текст")                                                                               \
    X(1081, ViewUntranslated, "Непереведенные слова")                                                                  \
    X(1082, ViewErrors, "Слова с ошибками")                                                                            \
    X(1083, ViewWarnings, "Слова с предупреждениями")                                                                  \
    X(1084, ViewOther, "Слова из других языков")

enum class TMsg : int {
#define KUNIMOR_TEXT_ID(id, name, text) name = id,
    KUNIMOR_PROGRAM_TEXTS(KUNIMOR_TEXT_ID)
#undef KUNIMOR_TEXT_ID
};

struct TProgramText {
    TMsg id;
    std::string_view name;
    std::string_view builtIn;  // UTF-8
};

// The whole table, in id order.
std::span<const TProgramText> ProgramTexts();

// The message in the interface language, else its built-in text.
QString Msg(TMsg id);

}  // namespace kunimor::app
