#pragma once
// The bilingual text tables: captions, hints, messages and the folder table, each
// holding the texts of one language at a time and refilled by ChargeTextes.
//
// Texts the analysis core and the command-line tool use directly (TMessages):
//   sure tricks        VousFerezToujours + n + Levee (n <= 1) or Levees (n > 1)
//   no solution        RequeteSansSolution
//   chip 16 discarded  CarteDefausseeConnue
//   busy ANALYSER      AnalyseEnCours
//   no trick at all    AucuneLevee, or AucuneLeveeExcepte + E + AucuneLeveeExcepteFin
// A line break inside a message is a carriage return ("\r").
#include <span>
#include <string>
#include <string_view>

namespace vortanel {

enum class Langue { Francais, Anglais };

// "anglais" gives English; any other text, French.
Langue LangueDepuisTexte(std::string_view texte);
// "francais" or "anglais".
const char* NomLangue(Langue langue);

// Captions of the windows, named after their controls; a prefix names the window
// when the control is not on the main window.
struct TLegendes {
  // Main window.
  std::string BitBtn1; // option buttons, free
  std::string BitBtn2;
  std::string BitBtn3;
  std::string BitBtn4;
  std::string BitBtn5; // help
  std::string SpeedButton1; // ANALYSER, also restored after an analysis
  std::string SpeedButton3;
  std::string SpeedButton5;
  std::string Label1; // title
  std::string RadioGroup1;
  std::string RadioGroup1Simplifie;
  std::string RadioGroup1Normal;
  std::string RadioGroup2;
  std::string RadioGroup2Utiles;
  std::string RadioGroup2Toutes;

  // Results window.
  std::string ResultatsButton1;
  std::string ResultatsButton4;
  std::string ResultatsButton5;
  std::string ResultatsButton6;
  std::string ResultatsButton8; // opens the report
  std::string ResultatsLabel4;
  std::string ResultatsLabel8;
  std::string ResultatsLabel15; // IMP detail title
  std::string ResultatsNLabel3;
  std::string ResultatsNLabel4;
  std::string ResultatsNLabel5;
  std::string ResultatsNLabel6; // contract buttons
  std::string MainsEquivalentes; // NLabel4 and Memo1
  std::string PositionOrigine; // Memo1
  std::string PositionDeBase; // Memo1
  std::string ResultatsBitBtn3;
  std::string ResultatsBitBtn4;
  std::string ResultatsComboBox1; // tree depth
  std::string TitreManiements; // strategies panel heading

  // Option dialogs.
  std::string PariteLabel1;
  std::string ChoixLabel2; // the three choice dialogs
  std::string PariteButton2;
  std::string PariteButton3;
  std::string PariteButton4;
  std::string LongLabel1;
  std::string LongButton2;
  std::string LongButton3;
  std::string LongButton4;
  std::string FortLabel1;
  std::string FortButton2;
  std::string FortButton3;
  std::string FortButton4;
  std::string RemonteesLabel1;
  std::string RemonteesLabel2;
  std::string RemonteesNonLimite; // seventh item of both lists
  std::string RemonteesMemoLigne3; // lines 1, 2 and 6 of the memo are empty
  std::string RemonteesMemoLigne4;
  std::string RemonteesMemoLigne5;
  std::string RemonteesMemoLigne7;
  std::string RemonteesMemoLigne8;
  std::string Retour; // the four dialogs, the game-tree and the report windows

  // Report window.
  std::string RapportBitBtn1;

  bool operator==(const TLegendes&) const = default;
};

// Hints of the main window.
struct TBulles {
  std::string Panel6; // discards of South, West, North, East
  std::string Panel7;
  std::string Panel8;
  std::string Panel9;
  std::string BitBtn1;
  std::string BitBtn2;
  std::string BitBtn3;
  std::string BitBtn4;
  std::string RadioGroup1Simplifie;
  std::string RadioGroup1Normal;
  std::string RadioGroup2Utiles;
  std::string RadioGroup2Toutes;
  std::string Carte; // card pictures 1..13
  std::string Carte16;
  std::string Carte17;

  bool operator==(const TBulles&) const = default;
};

// Messages and labels of the analysis, the results window and the update check.
struct TMessages {
  std::string StrategieUniqueUtiles; // only one strategy, useful strategies shown
  std::string StrategieUniqueToutes; // only one strategy, all strategies shown
  std::string CartesDuFlancSeulement; // wrong card played in a play-through
  std::string LancezAnalyse; // game tree asked without a selection
  std::string ObjectifNonAtteint; // goal beyond the dominant strategies
  std::string TailleArbre; // game-tree size question: TailleArbre + size + TailleArbreSuite
  std::string TailleArbreSuite;
  std::string RequeteSansSolution;
  // An entry limit on a hand of seven cards or more, which cannot be searched.
  std::string LimiteRemonteesRefusee;
  std::string CarteDefausseeConnue;
  std::string VousFerezToujours;
  std::string Levee;
  std::string Levees;
  std::string AnalyseEnCours;
  std::string AucuneLevee;
  std::string AucuneLeveeExcepte;
  std::string AucuneLeveeExcepteFin;
  std::string Maniement; // strategy label
  std::string ManiementMaximal;
  std::string ManiementAleatoire;
  std::string ManiementPT;
  std::string PasDeManiementPT;
  std::string MiseAJourOffre;
  std::string MiseAJourQuestion;
  std::string TelechargementTermine;
  std::string FermezProgramme;
  std::string LancezInstallation;

  bool operator==(const TMessages&) const = default;
};

// Folder table. Base (the working folder; empty gives paths relative to it) and
// ClasseEcran ("XGA" or "SXGA") are set once at start and kept across language
// changes; the other entries are rebuilt from them. Every folder ends with '/'.
struct TDossiers {
  std::string Base;
  std::string ClasseEcran = "XGA";

  std::string Glyphes;
  std::string Images; // by screen class
  std::string Aide;
  std::string FichierAide; // by language
  std::string Cartes;
  std::string GrandesCartes; // by screen class and language
  std::string PetitesCartes; // by screen class and language

  bool operator==(const TDossiers&) const = default;
};

struct TTextes {
  TLegendes legendes;
  TBulles bulles;
  TMessages messages;
  TDossiers dossiers;

  bool operator==(const TTextes&) const = default;
};

// Refill the folder table alone (from its Base and ClasseEcran), or all four tables,
// for the language.
void ChargeDossiers(TDossiers& dossiers, Langue langue);
void ChargeTextes(TTextes& textes, Langue langue);

// The texts of one language, built once, for code that only reads them (the
// analysis core, the command-line tool); its folder table is relative, class XGA.
const TTextes& TextesDe(Langue langue);

// One row of a text table: the entry and its English and French texts.
template <class T>
struct TEntree {
  std::string T::*membre;
  const char* anglais;
  const char* francais;
};

// The rows ChargeTextes assigns, one per member of the table.
std::span<const TEntree<TLegendes>> EntreesLegendes();
std::span<const TEntree<TBulles>> EntreesBulles();
std::span<const TEntree<TMessages>> EntreesMessages();

} // namespace vortanel
