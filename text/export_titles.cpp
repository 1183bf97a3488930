#include "text/export_titles.h"

#include <array>

namespace text {

namespace {

using enum TitleRole;
using Names = std::span<const ExportTitle>;
using Words = std::span<const std::string_view>;

// English: Outlook's own export, Outlook on the web, Google, Windows Contacts, Thunderbird, and
// the spellings CRM and office lists use.
constexpr std::array<ExportTitle, 21> kEnglishNames = {{
    {"Display Name", FullName},
    {"Full Name", FullName},
    {"Contact Name", FullName},
    {"First Name", FirstName},
    {"Given Name", FirstName},
    {"Firstname", FirstName},
    {"Middle Name", MiddleName},
    {"Additional Name", MiddleName},
    {"Last Name", LastName},
    {"Family Name", LastName},
    {"Surname", LastName},
    {"Lastname", LastName},
    {"Company", Company},
    {"Company Name", Company},
    {"Account Name", Company},
    {"Organization", Company},
    {"Organisation", Company},
    {"Organization Name", Company},
    {"Organization 1 - Name", Company},
    {"Business Name", Company},
    {"Name", LastOrFullName},
}};
constexpr std::array<std::string_view, 7> kEnglishFax = {
    "Business Fax",        "Home Fax", "Other Fax", "Fax", "Fax Number",
    "Business Fax Number", "Facsimile"};
constexpr std::array<std::string_view, 2> kEnglishWords = {"fax", "facsimile"};

constexpr std::array<ExportTitle, 6> kGermanNames = {{
    {"Anzeigename", FullName},
    {"Vorname", FirstName},
    {"Weitere Vornamen", MiddleName},
    {"Nachname", LastName},
    {"Firma", Company},
    {"Name", LastOrFullName},
}};
constexpr std::array<std::string_view, 3> kGermanFax = {"Fax geschäftlich", "Fax privat",
                                                        "Weiteres Fax"};
constexpr std::array<std::string_view, 1> kGermanWords = {"fax"};

constexpr std::array<ExportTitle, 8> kFrenchNames = {{
    {"Nom complet", FullName},
    {"Prénom", FirstName},
    {"Prenom", FirstName},
    {"Deuxième prénom", MiddleName},
    {"Nom de famille", LastName},
    {"Société", Company},
    {"Entreprise", Company},
    {"Nom", LastOrFullName},
}};
constexpr std::array<std::string_view, 3> kFrenchFax = {
    "Télécopie (bureau)", "Télécopie (domicile)", "Télécopie (autre)"};
constexpr std::array<std::string_view, 2> kFrenchWords = {"télécopie", "telecopie"};

constexpr std::array<ExportTitle, 7> kSpanishNames = {{
    {"Nombre completo", FullName},
    {"Segundo nombre", MiddleName},
    {"Apellidos", LastName},
    {"Apellido", LastName},
    {"Organización", Company},
    {"Compañía", Company},
    {"Nombre", FirstOrFullName},
}};
constexpr std::array<std::string_view, 3> kSpanishFax = {"Fax del trabajo", "Fax particular",
                                                         "Otro fax"};

constexpr std::array<ExportTitle, 4> kItalianNames = {{
    {"Secondo nome", MiddleName},
    {"Cognome", LastName},
    {"Società", Company},
    {"Nome", FirstOrFullName},
}};
constexpr std::array<std::string_view, 3> kItalianFax = {"Fax (uff.)", "Fax (ab.)", "Altro fax"};

constexpr std::array<ExportTitle, 6> kDutchNames = {{
    {"Weergavenaam", FullName},
    {"Voornaam", FirstName},
    {"Middelste naam", MiddleName},
    {"Achternaam", LastName},
    {"Bedrijf", Company},
    {"Naam", LastOrFullName},
}};
constexpr std::array<std::string_view, 3> kDutchFax = {"Fax op werk", "Fax thuis", "Andere fax"};

constexpr std::array<ExportTitle, 4> kBrazilianNames = {{
    {"Primeiro nome", FirstName},
    {"Segundo nome", MiddleName},
    {"Sobrenome", LastName},
    {"Empresa", Company},
}};
constexpr std::array<std::string_view, 3> kBrazilianFax = {"Fax comercial", "Fax residencial",
                                                           "Outro fax"};

constexpr std::array<ExportTitle, 3> kPortugueseNames = {{
    {"Nome próprio", FirstName},
    {"Apelido", LastName},
    {"Empresa", Company},
}};
constexpr std::array<std::string_view, 3> kPortugueseFax = {"Fax do emprego", "Fax de casa",
                                                            "Outro fax"};

constexpr std::array<ExportTitle, 4> kPolishNames = {{
    {"Imię", FirstName},
    {"Drugie imię", MiddleName},
    {"Nazwisko", LastName},
    {"Firma", Company},
}};
constexpr std::array<std::string_view, 3> kPolishFax = {"Faks służbowy", "Faks domowy",
                                                        "Inny faks"};

constexpr std::array<ExportTitle, 4> kCzechNames = {{
    {"Druhé jméno", MiddleName},
    {"Příjmení", LastName},
    {"Společnost", Company},
    {"Jméno", FirstOrFullName},
}};
constexpr std::array<std::string_view, 3> kCzechFax = {"Fax do zaměstnání", "Fax domů", "Jiný fax"};

constexpr std::array<ExportTitle, 5> kSwedishNames = {{
    {"Förnamn", FirstName},
    {"Mellannamn", MiddleName},
    {"Efternamn", LastName},
    {"Företag", Company},
    {"Namn", LastOrFullName},
}};
constexpr std::array<std::string_view, 3> kSwedishFax = {"Arbetsfax", "Hemfax", "Annat fax"};

constexpr std::array<ExportTitle, 4> kDanishNames = {{
    {"Fornavn", FirstName},
    {"Mellemnavn", MiddleName},
    {"Efternavn", LastName},
    {"Navn", LastOrFullName},
}};
constexpr std::array<std::string_view, 3> kDanishFax = {"Arbejdsfax", "Privatfax", "Anden fax"};

constexpr std::array<ExportTitle, 3> kNorwegianNames = {{
    {"Mellomnavn", MiddleName},
    {"Etternavn", LastName},
    {"Bedrift", Company},
}};
constexpr std::array<std::string_view, 3> kNorwegianFax = {"Faks arbeid", "Faks privat",
                                                           "Annen faks"};
constexpr std::array<std::string_view, 1> kFaksWords = {"faks"};

constexpr std::array<ExportTitle, 5> kFinnishNames = {{
    {"Etunimi", FirstName},
    {"Toinen nimi", MiddleName},
    {"Sukunimi", LastName},
    {"Yritys", Company},
    {"Nimi", LastOrFullName},
}};
constexpr std::array<std::string_view, 3> kFinnishFax = {"Työfaksi", "Kotifaksi", "Muu faksi"};

constexpr std::array<ExportTitle, 6> kRussianNames = {{
    {"Полное имя", FullName},
    {"Отчество", MiddleName},
    {"Фамилия", LastName},
    {"Организация", Company},
    {"Компания", Company},
    {"Имя", FirstOrFullName},
}};
constexpr std::array<std::string_view, 3> kRussianFax = {"Рабочий факс", "Домашний факс",
                                                         "Другой факс"};
constexpr std::array<std::string_view, 1> kRussianWords = {"факс"};

constexpr std::array<ExportTitle, 5> kTurkishNames = {{
    {"İkinci Ad", MiddleName},
    {"Soyadı", LastName},
    {"Soyad", LastName},
    {"Şirket", Company},
    {"Ad", FirstOrFullName},
}};
constexpr std::array<std::string_view, 3> kTurkishFax = {"İş Faksı", "Ev Faksı", "Diğer Faks"};

constexpr std::array<ExportTitle, 4> kGreekNames = {{
    {"Μεσαίο όνομα", MiddleName},
    {"Επώνυμο", LastName},
    {"Εταιρεία", Company},
    {"Όνομα", FirstOrFullName},
}};
constexpr std::array<std::string_view, 3> kGreekFax = {"Φαξ εργασίας", "Φαξ οικίας", "Άλλο φαξ"};
constexpr std::array<std::string_view, 1> kGreekWords = {"φαξ"};

constexpr std::array<ExportTitle, 7> kJapaneseNames = {{
    {"氏名", FullName},
    {"名前", FullName},
    {"名", FirstName},
    {"ミドル ネーム", MiddleName},
    {"姓", LastName},
    {"会社名", Company},
    {"会社", Company},
}};
constexpr std::array<std::string_view, 3> kJapaneseFax = {"勤務先 FAX", "自宅 FAX", "その他の FAX"};
constexpr std::array<std::string_view, 3> kJapaneseWords = {"fax", "ファクス", "ファックス"};

constexpr std::array<ExportTitle, 5> kSimplifiedChineseNames = {{
    {"姓名", FullName},
    {"中间名", MiddleName},
    {"单位", Company},
    {"公司", Company},
    {"名", FirstName},
}};
constexpr std::array<std::string_view, 3> kSimplifiedChineseFax = {"商务传真", "住宅传真",
                                                                   "其他传真"};
constexpr std::array<std::string_view, 1> kSimplifiedChineseWords = {"传真"};

constexpr std::array<ExportTitle, 5> kTraditionalChineseNames = {{
    {"名字", FirstName},
    {"中間名", MiddleName},
    {"姓氏", LastName},
    {"公司", Company},
    {"姓名", FullName},
}};
constexpr std::array<std::string_view, 3> kTraditionalChineseFax = {"商務傳真", "住家傳真",
                                                                    "其他傳真"};
constexpr std::array<std::string_view, 1> kTraditionalChineseWords = {"傳真"};

constexpr std::array<ExportTitle, 4> kKoreanNames = {{
    {"중간 이름", MiddleName},
    {"성", LastName},
    {"회사", Company},
    {"이름", FirstOrFullName},
}};
constexpr std::array<std::string_view, 3> kKoreanFax = {"회사 팩스", "집 팩스", "기타 팩스"};
constexpr std::array<std::string_view, 1> kKoreanWords = {"팩스"};

constexpr std::string_view kCheckedSource =
    "Outlook desktop's export in this language as public import mappings and sample headers "
    "list it";
constexpr std::string_view kTermSource =
    "Microsoft's terms for the contact fields in this language's Office, from public "
    "descriptions; not checked against an export made by Outlook itself";

constexpr std::array<TitleLanguage, 21> kLanguages = {{
    {"English",
     "Outlook desktop and web exports as Microsoft documents them; Google, Windows "
     "Contacts and Thunderbird exports; CRM and office spellings",
     Names(kEnglishNames), Words(kEnglishFax), Words(kEnglishWords)},
    {"German", kCheckedSource, Names(kGermanNames), Words(kGermanFax), Words(kGermanWords)},
    {"French", kCheckedSource, Names(kFrenchNames), Words(kFrenchFax), Words(kFrenchWords)},
    {"Spanish", kTermSource, Names(kSpanishNames), Words(kSpanishFax), Words(kEnglishWords)},
    {"Italian", kCheckedSource, Names(kItalianNames), Words(kItalianFax), Words(kGermanWords)},
    {"Dutch", kCheckedSource, Names(kDutchNames), Words(kDutchFax), Words(kGermanWords)},
    {"Portuguese (Brazil)", kTermSource, Names(kBrazilianNames), Words(kBrazilianFax),
     Words(kGermanWords)},
    {"Portuguese (Portugal)", kTermSource, Names(kPortugueseNames), Words(kPortugueseFax),
     Words(kGermanWords)},
    {"Polish", kCheckedSource, Names(kPolishNames), Words(kPolishFax), Words(kFaksWords)},
    {"Czech", kTermSource, Names(kCzechNames), Words(kCzechFax), Words(kGermanWords)},
    {"Swedish", kTermSource, Names(kSwedishNames), Words(kSwedishFax), Words(kGermanWords)},
    {"Danish", kTermSource, Names(kDanishNames), Words(kDanishFax), Words(kGermanWords)},
    {"Norwegian", kTermSource, Names(kNorwegianNames), Words(kNorwegianFax), Words(kFaksWords)},
    {"Finnish", kTermSource, Names(kFinnishNames), Words(kFinnishFax), Words(kFaksWords)},
    {"Russian", kTermSource, Names(kRussianNames), Words(kRussianFax), Words(kRussianWords)},
    {"Turkish", kTermSource, Names(kTurkishNames), Words(kTurkishFax), Words(kFaksWords)},
    {"Greek", kTermSource, Names(kGreekNames), Words(kGreekFax), Words(kGreekWords)},
    {"Japanese", kTermSource, Names(kJapaneseNames), Words(kJapaneseFax), Words(kJapaneseWords)},
    {"Chinese (Simplified)", kTermSource, Names(kSimplifiedChineseNames),
     Words(kSimplifiedChineseFax), Words(kSimplifiedChineseWords)},
    {"Chinese (Traditional)", kTermSource, Names(kTraditionalChineseNames),
     Words(kTraditionalChineseFax), Words(kTraditionalChineseWords)},
    {"Korean", kTermSource, Names(kKoreanNames), Words(kKoreanFax), Words(kKoreanWords)},
}};

}  // namespace

std::span<const TitleLanguage> ExportTitleLanguages() {
    return kLanguages;
}

}  // namespace text
