// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Late binding: the members of the host interface by their original names, in
// interface order. Clients that bind by position depend on that order, so the
// rows below must never be reordered.
#include "control/BelegAdressen.h"

#include <QFont>
#include <QHash>
#include <iterator>
#include <limits>
#include <memory>
#include <tuple>
#include <type_traits>
#include <utility>

namespace belegadressen {
namespace {

template <typename T> struct IsSharedPtr : std::false_type {};
template <typename T> struct IsSharedPtr<std::shared_ptr<T>> : std::true_type {};

[[noreturn]] void failConversion(qint32 number, QStringView member) {
    const QString text = number == Error::Overflow ? QStringLiteral("Überlauf")
                                                   : QStringLiteral("Typen unverträglich");
    throw Error(number, QStringLiteral("%1 (%2)").arg(text, member));
}

// An Empty argument converts like in the host's scripting language: 0, "",
// False, nothing. Anything that cannot be converted is refused rather than
// silently turned into a default or wrapped around.
template <typename T> T argumentAs(const QVariant& v, QStringView member) {
    if constexpr (std::is_same_v<T, QVariant>) {
        return v;
    } else if constexpr (IsSharedPtr<T>::value) {
        if (!v.isValid() || v.isNull()) return nullptr;
        if (v.metaType() != QMetaType::fromType<T>()) failConversion(Error::TypeMismatch, member);
        return v.value<T>();
    } else if constexpr (std::is_same_v<T, QString>) {
        return v.toString();
    } else if constexpr (std::is_same_v<T, bool>) {
        if (v.isValid() && !v.canConvert<bool>()) failConversion(Error::TypeMismatch, member);
        return v.toBool();
    } else if constexpr (std::is_same_v<T, double>) {
        if (!v.isValid()) return 0.0;
        bool ok = false;
        const double d = v.toDouble(&ok);
        if (!ok) failConversion(Error::TypeMismatch, member);
        return d;
    } else if constexpr (std::is_integral_v<T>) {
        if (!v.isValid()) return T{0};
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        if (!ok) failConversion(Error::TypeMismatch, member);
        if (n < std::numeric_limits<T>::min() || n > std::numeric_limits<T>::max())
            failConversion(Error::Overflow, member);
        return static_cast<T>(n);
    } else {
        if (v.isValid() && v.metaType() != QMetaType::fromType<T>())
            failConversion(Error::TypeMismatch, member);
        return v.value<T>();
    }
}

// The parameter and result types of a member function of the control.
template <typename F> struct Signature;
template <typename R, typename... A> struct Signature<R (BelegAdressen::*)(A...)> {
    using Result = R;
    using Parameters = std::tuple<std::remove_cvref_t<A>...>;
    static constexpr int argc = sizeof...(A);
};
template <typename R, typename... A>
struct Signature<R (BelegAdressen::*)(A...) const> : Signature<R (BelegAdressen::*)(A...)> {};

using Call = QVariant (*)(BelegAdressen&, const QVariantList&, QStringView member);

template <auto Fn, std::size_t I>
using Parameter = std::tuple_element_t<I, typename Signature<decltype(Fn)>::Parameters>;

// Converts the arguments to the member's parameter types, calls it and wraps
// its result with its own type (a 16-bit result stays 16-bit).
template <auto Fn, std::size_t... I>
QVariant callWith(BelegAdressen& control, [[maybe_unused]] const QVariantList& args,
                  [[maybe_unused]] QStringView member, std::index_sequence<I...>) {
    if constexpr (std::is_void_v<typename Signature<decltype(Fn)>::Result>) {
        (control.*Fn)(argumentAs<Parameter<Fn, I>>(args[I], member)...);
        return QVariant();
    } else {
        return QVariant::fromValue((control.*Fn)(argumentAs<Parameter<Fn, I>>(args[I], member)...));
    }
}

template <auto Fn>
QVariant call(BelegAdressen& control, const QVariantList& args, QStringView member) {
    return callWith<Fn>(control, args, member,
                        std::make_index_sequence<Signature<decltype(Fn)>::argc>{});
}

struct Row {
    int position;
    QStringView name;
    InvokeKind kind;
    int argc;
    Call call;
};

// The argument count comes from the member's C++ signature, so it cannot
// drift from what the call converts.
template <auto Fn> constexpr Row row(int position, QStringView name, InvokeKind kind) {
    return {position, name, kind, Signature<decltype(Fn)>::argc, &call<Fn>};
}

using B = BelegAdressen;
constexpr InvokeKind Get = InvokeKind::PropertyGet;
constexpr InvokeKind Put = InvokeKind::PropertyPut;
constexpr InvokeKind Method = InvokeKind::Method;

constexpr Row kRows[] = {
    row<&B::BackColor>(1, u"BackColor", Get),
    row<&B::setBackColor>(2, u"BackColor", Put),
    row<&B::ForeColor>(3, u"ForeColor", Get),
    row<&B::setForeColor>(4, u"ForeColor", Put),
    row<&B::EnabledProperty>(5, u"Enabled", Get),
    row<&B::setEnabledProperty>(6, u"Enabled", Put),
    row<&B::FontProperty>(7, u"Font", Get),
    row<&B::setFontProperty>(8, u"Font", Put),
    row<&B::BackStyle>(9, u"BackStyle", Get),
    row<&B::setBackStyle>(10, u"BackStyle", Put),
    row<&B::BorderStyle>(11, u"BorderStyle", Get),
    row<&B::setBorderStyle>(12, u"BorderStyle", Put),
    row<&B::Refresh>(13, u"Refresh", Method),
    row<&B::fktAnzeigeSeite1>(14, u"fktAnzeigeSeite1", Method),
    row<&B::Anzeige_Kundeninfo>(15, u"Anzeige_Kundeninfo", Method),
    row<&B::SchliesseSelect>(16, u"SchliesseSelect", Method),
    row<&B::Kundengruppe>(17, u"Kundengruppe", Get),
    row<&B::Kostenstelle>(18, u"Kostenstelle", Get),
    row<&B::Kostentraeger>(19, u"Kostenträger", Get),
    row<&B::AnzAdresse>(20, u"AnzAdresse", Get),
    row<&B::setAnzAdresse>(21, u"AnzAdresse", Put),
    row<&B::AktAdresse>(22, u"AktAdresse", Get),
    row<&B::setAktAdresse>(23, u"AktAdresse", Put),
    row<&B::SetzeFocusNummer>(24, u"SetzeFocusNummer", Method),
    row<&B::GetNummer>(25, u"GetNummer", Method),
    row<&B::AddNummer>(26, u"AddNummer", Method),
    row<&B::GetVorname>(27, u"GetVorname", Method),
    row<&B::AddVorname>(28, u"AddVorname", Method),
    row<&B::GetWartVertragsnummer>(29, u"GetWartVertragsnummer", Method),
    row<&B::AddAnzeigeBreit>(30, u"AddAnzeigeBreit", Method),
    row<&B::AddWartVertragsnummer>(31, u"AddWartVertragsnummer", Method),
    row<&B::GetWartAnlagennummer>(32, u"GetWartAnlagennummer", Method),
    row<&B::GetDatumLetzteWartung>(33, u"GetDatumLetzteWartung", Method),
    row<&B::GetDatumLetzteRechnung>(34, u"GetDatumLetzteRechnung", Method),
    row<&B::GetBemerkung>(35, u"GetBemerkung", Method),
    row<&B::AddDatumLetzteWartung>(36, u"AddDatumLetzteWartung", Method),
    row<&B::AddDatumLetzteRechnung>(37, u"AddDatumLetzteRechnung", Method),
    row<&B::AddBemerkung>(38, u"AddBemerkung", Method),
    row<&B::AddWartAnlagennummer>(39, u"AddWartAnlagennummer", Method),
    row<&B::GetWartKundenummer>(40, u"GetWartKundenummer", Method),
    row<&B::AddWartKundennummer>(41, u"AddWartKundennummer", Method),
    row<&B::GetWartMonteur>(42, u"GetWartMonteur", Method),
    row<&B::AddWartMonteur>(43, u"AddWartMonteur", Method),
    row<&B::AddWarttxtStoerText>(44, u"AddWarttxtStoerText", Method),
    row<&B::GetWartStoerText>(45, u"GetWartStoerText", Method),
    row<&B::GetWartAnsprechpartnerID>(46, u"GetWartAnsprechpartnerID", Method),
    row<&B::AddWartAnsprechpartnerID>(47, u"AddWartAnsprechpartnerID", Method),
    row<&B::GetWartAnsprechpartnerFax>(48, u"GetWartAnsprechpartnerFax", Method),
    row<&B::AddWartAnsprechpartnerFax>(49, u"AddWartAnsprechpartnerFax", Method),
    row<&B::GetWartAnsprechpartnerTelefon>(50, u"GetWartAnsprechpartnerTelefon", Method),
    row<&B::AddWartAnsprechpartnerTelefon>(51, u"AddWartAnsprechpartnerTelefon", Method),
    row<&B::GetWartAnsprechpartnerMobil>(52, u"GetWartAnsprechpartnerMobil", Method),
    row<&B::AddWartAnsprechpartnerMobil>(53, u"AddWartAnsprechpartnerMobil", Method),
    row<&B::GetWartAnsprechpartner>(54, u"GetWartAnsprechpartner", Method),
    row<&B::AddWartAnsprechpartner>(55, u"AddWartAnsprechpartner", Method),
    row<&B::GetWartStandort>(56, u"GetWartStandort", Method),
    row<&B::AddWartStandort>(57, u"AddWartStandort", Method),
    row<&B::GetWartUhrzeit>(58, u"GetWartUhrzeit", Method),
    row<&B::AddWartUhrzeit>(59, u"AddWartUhrzeit", Method),
    row<&B::GetWartDauer>(60, u"GetWartDauer", Method),
    row<&B::AddWartDauer>(61, u"AddWartDauer", Method),
    row<&B::GetWartTermin>(62, u"GetWartTermin", Method),
    row<&B::AddWartTermin>(63, u"AddWartTermin", Method),
    row<&B::GetBez1>(64, u"GetBez1", Method),
    row<&B::AddStandarddauer>(65, u"AddStandarddauer", Method),
    row<&B::AddBez1>(66, u"AddBez1", Method),
    row<&B::GetBez2>(67, u"GetBez2", Method),
    row<&B::AddBez2>(68, u"AddBez2", Method),
    row<&B::GetBez3>(69, u"GetBez3", Method),
    row<&B::AddBez3>(70, u"AddBez3", Method),
    row<&B::GetBez4>(71, u"GetBez4", Method),
    row<&B::AddBez4>(72, u"AddBez4", Method),
    row<&B::GetAnsprechpartnerKD>(73, u"GetAnsprechpartnerKD", Method),
    row<&B::AddAnsprechpartnerKD>(74, u"AddAnsprechpartnerKD", Method),
    row<&B::AddDruckAnsprechpartner>(75, u"AddDruckAnsprechpartner", Method),
    row<&B::GetDruckAnsprechpartner>(76, u"GetDruckAnsprechpartner", Method),
    row<&B::AddAnsprechpartnerKDID>(77, u"AddAnsprechpartnerKDID", Method),
    row<&B::GetAnsprechpartnerKDID>(78, u"GetAnsprechpartnerKDID", Method),
    row<&B::GetHauptkonto>(79, u"GetHauptkonto", Method),
    row<&B::AddHauptKonto>(80, u"AddHauptKonto", Method),
    row<&B::GetWaehrungserfassung>(81, u"GetWährungserfassung", Method),
    row<&B::AddWaehrungserfassung>(82, u"AddWährungserfassung", Method),
    row<&B::AddLandeswaehrung>(83, u"AddLandeswährung", Method),
    row<&B::AddMitPostleitzahl>(84, u"AddMitPostleitzahl", Method),
    row<&B::AddMitPostleitzahlOnline>(85, u"AddMitPostleitzahlOnline", Method),
    row<&B::GetOrt>(86, u"GetOrt", Method),
    row<&B::AddOrt>(87, u"AddOrt", Method),
    row<&B::GetLand>(88, u"GetLand", Method),
    row<&B::AddLand>(89, u"AddLand", Method),
    row<&B::GetStrasse>(90, u"GetStraße", Method),
    row<&B::AddStrasse>(91, u"AddStraße", Method),
    row<&B::GetPostleitzahl>(92, u"GetPostleitzahl", Method),
    row<&B::AddPostleitzahl>(93, u"AddPostleitzahl", Method),
    row<&B::AddBelegart>(94, u"AddBelegart", Method),
    row<&B::GetPostfach>(95, u"GetPostfach", Method),
    row<&B::AddPostfach>(96, u"AddPostfach", Method),
    row<&B::GetUstIdentNr>(97, u"GetUstIdentNr", Method),
    row<&B::AddUstIdentNr>(98, u"AddUstIdentNr", Method),
    row<&B::GetPostfachPlz>(99, u"GetPostfachPlz", Method),
    row<&B::AddPostfachPlz>(100, u"AddPostfachPlz", Method),
    row<&B::GetLiefersperre>(101, u"GetLiefersperre", Method),
    row<&B::AddLiefersperre>(102, u"AddLiefersperre", Method),
    row<&B::GetVertreter1>(103, u"GetVertreter1", Method),
    row<&B::AddVertreter1>(104, u"AddVertreter1", Method),
    row<&B::GetVertreter2>(105, u"GetVertreter2", Method),
    row<&B::AddVertreter2>(106, u"AddVertreter2", Method),
    row<&B::GetVertreter3>(107, u"GetVertreter3", Method),
    row<&B::AddVertreter3>(108, u"AddVertreter3", Method),
    row<&B::GetVKD_Nr>(109, u"GetVKD_Nr", Method),
    row<&B::AddVKD_Nr>(110, u"AddVKD_Nr", Method),
    row<&B::GetRKD_Nr>(111, u"GetRKD_Nr", Method),
    row<&B::AddRKD_Nr>(112, u"AddRKD_Nr", Method),
    row<&B::GetRAD_Nr>(113, u"GetRAD_Nr", Method),
    row<&B::AddRAD_Nr>(114, u"AddRAD_Nr", Method),
    row<&B::GetVAD_Nr>(115, u"GetVAD_Nr", Method),
    row<&B::AddVAD_Nr>(116, u"AddVAD_Nr", Method),
    row<&B::GetVersandtext>(117, u"GetVersandtext", Method),
    row<&B::AddVersandtext>(118, u"AddVersandtext", Method),
    row<&B::GetRechnungText>(119, u"GetRechnungText", Method),
    row<&B::AddRechnungText>(120, u"AddRechnungText", Method),
    row<&B::GetKAnNr>(121, u"GetKAnNr", Method),
    row<&B::AddKAnNr>(122, u"AddKAnNr", Method),
    row<&B::GetKAuNr>(123, u"GetKAuNr", Method),
    row<&B::AddKAuNr>(124, u"AddKAuNr", Method),
    row<&B::GetKLsNr>(125, u"GetKLsNr", Method),
    row<&B::AddKLsNr>(126, u"AddKLsNr", Method),
    row<&B::GetKReNr>(127, u"GetKReNr", Method),
    row<&B::AddKReNr>(128, u"AddKReNr", Method),
    row<&B::GetKGuNr>(129, u"GetKGuNr", Method),
    row<&B::AddKGuNr>(130, u"AddKGuNr", Method),
    row<&B::GetFGuNr>(131, u"GetFGuNr", Method),
    row<&B::AddFGuNr>(132, u"AddFGuNr", Method),
    row<&B::GetFReNr>(133, u"GetFReNr", Method),
    row<&B::AddFReNr>(134, u"AddFReNr", Method),
    row<&B::GetFLsNr>(135, u"GetFLsNr", Method),
    row<&B::AddFLsNr>(136, u"AddFLsNr", Method),
    row<&B::GetFAuNr>(137, u"GetFAuNr", Method),
    row<&B::AddFAuNr>(138, u"AddFAuNr", Method),
    row<&B::GetFAnNr>(139, u"GetFAnNr", Method),
    row<&B::AddFAnNr>(140, u"AddFAnNr", Method),
    row<&B::GetWechselkursHauswaehrung>(141, u"GetWechselkursHauswährung", Method),
    row<&B::GetWechselkurs>(142, u"GetWechselkurs", Method),
    row<&B::AddWechselkursHauswaehrung>(143, u"AddWechselkursHauswährung", Method),
    row<&B::AddWechselkurs>(144, u"AddWechselkurs", Method),
    row<&B::GetRabatt>(145, u"GetRabatt", Method),
    row<&B::AddRabatt>(146, u"AddRabatt", Method),
    row<&B::GetDruckAufbewahrungsfrist>(147, u"GetDruckAufbewahrungsfrist", Method),
    row<&B::GetRechnungPerPDF>(148, u"GetRechnungPerPDF", Method),
    row<&B::GetMitUeberweisungen>(149, u"GetMitUeberweisungen", Method),
    row<&B::GetKzDivers>(150, u"GetKzDivers", Method),
    row<&B::AddDruckAufbewahrungsfrist>(151, u"AddDruckAufbewahrungsfrist", Method),
    row<&B::AddRechnungPerPDF>(152, u"AddRechnungPerPDF", Method),
    row<&B::AddMitUeberweisungen>(153, u"AddMitUeberweisungen", Method),
    row<&B::AddKzDivers>(154, u"AddKzDivers", Method),
    row<&B::GetKursbehandlung>(155, u"GetKursbehandlung", Method),
    row<&B::AddKursbehandlung>(156, u"AddKursbehandlung", Method),
    row<&B::GetZahlungsart>(157, u"GetZahlungsart", Method),
    row<&B::AddZahlungsart>(158, u"AddZahlungsart", Method),
    row<&B::AddVersandart>(159, u"AddVersandart", Method),
    row<&B::GetVersandart>(160, u"GetVersandart", Method),
    row<&B::GetZahlungsbedingungen>(161, u"GetZahlungsbedingungen", Method),
    row<&B::AddZahlungsbedingungen>(162, u"AddZahlungsbedingungen", Method),
    row<&B::GetMwstKnz>(163, u"GetMwstKnz", Method),
    row<&B::AddMwstKnz>(164, u"AddMwstKnz", Method),
    row<&B::GetWaehrung>(165, u"GetWährung", Method),
    row<&B::AddWaehrung>(166, u"AddWährung", Method),
    row<&B::GetAnrede>(167, u"GetAnrede", Method),
    row<&B::AddAnrede>(168, u"AddAnrede", Method),
    row<&B::SetzeAnzSeiten>(169, u"SetzeAnzSeiten", Method),
    row<&B::fktDragNummerAdresse>(170, u"fktDragNummerAdresse", Method),
    row<&B::fktDragNummer>(171, u"fktDragNummer", Method),
    row<&B::fktDragPersonalNummer>(172, u"fktDragPersonalNummer", Method),
    row<&B::fktDragTextNummerAllgenmein>(173, u"fktDragTextNummerAllgenmein", Method),
    row<&B::PruefeTexttyp>(174, u"PrüfeTexttyp", Method),
    row<&B::fktDragTextNummer>(175, u"fktDragTextNummer", Method),
    row<&B::MitVersandanschrift>(176, u"MitVersandanschrift", Get),
    row<&B::setMitVersandanschrift>(177, u"MitVersandanschrift", Put),
    row<&B::MitRechnungsanschrift>(178, u"MitRechnungsanschrift", Get),
    row<&B::setMitKundenaktualisierung>(179, u"MitKundenaktualisierung", Put),
    row<&B::setMitRechnungsanschrift>(180, u"MitRechnungsanschrift", Put),
    row<&B::MitKopftext>(181, u"MitKopftext", Get),
    row<&B::setMitKopftext>(182, u"MitKopftext", Put),
    row<&B::MitFusstext>(183, u"MitFußtext", Get),
    row<&B::FuerBeleg>(184, u"FürBeleg", Get),
    row<&B::setFuerBeleg>(185, u"FürBeleg", Put),
    row<&B::setMitFusstext>(186, u"MitFußtext", Put),
    row<&B::MitVersandarten>(187, u"MitVersandarten", Get),
    row<&B::setMitVersandarten>(188, u"MitVersandarten", Put),
    row<&B::MitSachbearbeiter>(189, u"MitSachbearbeiter", Get),
    row<&B::setMitSachbearbeiter>(190, u"MitSachbearbeiter", Put),
    row<&B::MitAuftragsrabatt>(191, u"MitAuftragsrabatt", Get),
    row<&B::MitRechnungPerPDF>(192, u"MitRechnungPerPDF", Get),
    row<&B::setMitAuftragsrabatt>(193, u"MitAuftragsrabatt", Put),
    row<&B::setMitRechnungPerPDF>(194, u"MitRechnungPerPDF", Put),
    row<&B::MitDebitorenkonto>(195, u"MitDebitorenkonto", Get),
    row<&B::setMitDebitorenkonto>(196, u"MitDebitorenkonto", Put),
    row<&B::MitWartung>(197, u"MitWartung", Get),
    row<&B::setMitWartung>(198, u"MitWartung", Put),
    row<&B::MitKundendienst>(199, u"MitKundendienst", Get),
    row<&B::setMitKundendienst>(200, u"MitKundendienst", Put),
    row<&B::MitPostfach>(201, u"MitPostfach", Get),
    row<&B::setMitPostfach>(202, u"MitPostfach", Put),
    row<&B::setAppObj>(203, u"AppObj", Put),
    row<&B::mnu_Cut>(204, u"mnu_Cut", Method),
    row<&B::mnu_Copy>(205, u"mnu_Copy", Method),
    row<&B::mnu_Paste>(206, u"mnu_Paste", Method),
    row<&B::Setze_Tag_user>(207, u"Setze_Tag_user", Method),
    row<&B::Hole_Tag_user>(208, u"Hole_Tag_user", Method),
};

constexpr bool positionsAreConsecutive() {
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        if (kRows[i].position != static_cast<int>(i) + 1) return false;
    return true;
}
static_assert(std::size(kRows) == 208);
static_assert(positionsAreConsecutive());

QString kindText(InvokeKind kind) {
    switch (kind) {
    case InvokeKind::PropertyGet:
        return QStringLiteral("Eigenschaft lesen");
    case InvokeKind::PropertyPut:
        return QStringLiteral("Eigenschaft setzen");
    case InvokeKind::Method:
        break;
    }
    return QStringLiteral("Methode");
}

[[noreturn]] void failUnknown(const QString& member, InvokeKind kind) {
    throw Error(Error::UnknownMember,
                QStringLiteral("Objekt unterstützt diese Eigenschaft oder Methode nicht: %1 (%2)")
                    .arg(member, kindText(kind)));
}

// Late binding ignores case; the rows of one name (a get and its let) share
// one key.
const QMultiHash<QString, const Row*>& rowsByName() {
    static const QMultiHash<QString, const Row*> index = [] {
        QMultiHash<QString, const Row*> h;
        for (const Row& r : kRows)
            h.insert(r.name.toString().toCaseFolded(), &r);
        return h;
    }();
    return index;
}

} // namespace

const std::vector<MemberInfo>& BelegAdressen::Members() {
    static const std::vector<MemberInfo> members = [] {
        std::vector<MemberInfo> v;
        v.reserve(std::size(kRows));
        for (const Row& r : kRows)
            v.push_back({r.position, r.name.toString(), r.kind});
        return v;
    }();
    return members;
}

QVariant BelegAdressen::Invoke(const QString& member, InvokeKind kind, const QVariantList& args) {
    const auto candidates = rowsByName().equal_range(member.toCaseFolded());
    for (auto it = candidates.first; it != candidates.second; ++it) {
        const Row& r = **it;
        if (r.kind != kind) continue;
        if (args.size() != r.argc)
            throw Error(Error::UnknownMember,
                        QStringLiteral("Falsche Anzahl an Argumenten für %1: erwartet %2, "
                                       "übergeben %3")
                            .arg(r.name.toString())
                            .arg(r.argc)
                            .arg(args.size()));
        return r.call(*this, args, r.name);
    }
    failUnknown(member, kind);
}

} // namespace belegadressen
