#include "texts/textes.hpp"

namespace vortanel {

namespace {

using L = TLegendes;
using B = TBulles;
using M = TMessages;

constexpr TEntree<TLegendes> legendes[] = {
    {&L::BitBtn1, "West parity : free", "Parité Ouest : libre"},
    {&L::BitBtn2, "NS Entrie : free", "Remontées NS libres"},
    {&L::BitBtn3, "Long opponent : free", "Flanc long : aucun"},
    {&L::BitBtn4, "Strong opponent : free ", "Flanc fort : aucun"},
    {&L::BitBtn5, "PRESENTATION-HELP", "PRÉSENTATION-AIDE"},
    {&L::SpeedButton1, "ANALYZE", "ANALYSER"},
    {&L::SpeedButton3, "INITIALIZE", "INITIALISER"},
    {&L::SpeedButton5, "QUIT", "QUITTER"},
    {&L::Label1, " THE  TREATMENT  OF  A  SUIT  AT  BRIDGE", "LE  MANIEMENT  DE  LA COULEUR  AU  BRIDGE"},
    {&L::RadioGroup1, "Cards display", "Affichage des cartes"},
    {&L::RadioGroup1Simplifie, "Simplified", "Simplifié"},
    {&L::RadioGroup1Normal, "Normal", "Normal"},
    {&L::RadioGroup2, "Strategies display", "Affichage des stratégies"},
    {&L::RadioGroup2Utiles, "Useful strategies", "Stratégies utiles"},
    {&L::RadioGroup2Toutes, "All strategies", "Toutes les stratégies"},

    {&L::ResultatsButton1, "Next  world", "Monde suivant"},
    {&L::ResultatsButton4, "RETURN", "RETOUR"},
    {&L::ResultatsButton5, "Next  treatment", "Stratégie suivante"},
    {&L::ResultatsButton6, "RETURN", "RETOUR"},
    {&L::ResultatsButton8, "Results table", "Tableau des résultats"},
    {&L::ResultatsLabel4, "WORLDS", "MONDES"},
    {&L::ResultatsLabel8, "ANALYSIS  OVER", "ANALYSE  TERMINÉE"},
    {&L::ResultatsLabel15, "IMP mean payoffs", "Espérance de gain du contrat en IMP pour tous les couples de maniements"},
    {&L::ResultatsNLabel3, "  Treatments", "  Maniements"},
    {&L::ResultatsNLabel4, "           Worlds  +                P", "           Mondes  +                P"},
    {&L::ResultatsNLabel5, "           Worlds  -               P", "           Mondes  -               P"},
    {&L::ResultatsNLabel6, "IMP Treatments", "Maniements IMP"},
    {&L::MainsEquivalentes, " Equivalent hands ", " Mains équivalentes "},
    {&L::PositionOrigine, " Home position", " Position d'origine "},
    {&L::PositionDeBase, " Basic position", " Position de base"},
    {&L::ResultatsBitBtn3, "GAME TREE normal", "ARBRE de JEU normal"},
    {&L::ResultatsBitBtn4, "GAME TREE  mini ", "ARBRE de JEU  mini "},
    {&L::ResultatsComboBox1, "    Depth of the tree", "          Profondeur"},
    {&L::TitreManiements, "TREATMENTS", "Maniements"},

    {&L::PariteLabel1, "YOU CAN CHOOSE THE KIND OF HAND IN WEST", "VOUS POUVEZ CHOISIR LE TYPE DE MAIN EN OUEST"},
    {&L::ChoixLabel2, "The value of the last clicked button is retained", "La valeur du dernier bouton cliqué est retenue"},
    {&L::PariteButton2, "West parity : even", "Parité Ouest : paire"},
    {&L::PariteButton3, "West parity : odd", "Parité Ouest : impaire"},
    {&L::PariteButton4, "West parity : free", "Parité Ouest : libre"},
    {&L::LongLabel1, "YOU CAN CHOOSE WHICH OPPONENT HAS THE LONGER HAND", "VOUS POUVEZ CHOISIR LE CÔTÉ ADVERSE LE PLUS LONG"},
    {&L::LongButton2, "Long opponent : West", "Flanc long : Ouest"},
    {&L::LongButton3, "Long opponent : free", "Flanc long : libre"},
    {&L::LongButton4, "Long opponent : East", "Flanc long : Est"},
    {&L::FortLabel1, "YOU CAN CHOOSE WHICH OPPONENT HAS THE STRONGER HAND", "VOUS POUVEZ CHOISIR LE CÔTÉ ADVERSE LE PLUS FORT"},
    {&L::FortButton2, "Strong opponent : West", "Flanc fort : Ouest"},
    {&L::FortButton3, "Strong opponent : free", "Flanc fort : libre"},
    {&L::FortButton4, "Strong opponent : East", "Flanc fort : Est"},
    {&L::RemonteesLabel1, "Number of South entries", "Nombre de remontées de Sud"},
    {&L::RemonteesLabel2, "Number of North entries", "Nombre de remontées de Nord"},
    {&L::RemonteesNonLimite, "Unlimited", "Non limité"},
    {&L::RemonteesMemoLigne3, " You can fix a number of times North or South can play the first.",
     " Vous pouvez fixer le nombre de rentrées en main (ou remontées) accordées."},
    {&L::RemonteesMemoLigne4, " The player will not play the first a number of time superior to that you have fixed,",
     " Le joueur ne pourra pas jouer en tête un nombre de fois supérieur aux remontées que vous lui accordez,"},
    {&L::RemonteesMemoLigne5, " plus the cases where, having won the previous trick, he keeps the hand.",
     " plus les cas où, ayant fait la levée précédente, il est resté en main."},
    {&L::RemonteesMemoLigne7, " Note : Search time can be a bit longer because tranposition tables ",
     " Note : Le temps de recherche peut être un peu plus long car les tables de transposition "},
    {&L::RemonteesMemoLigne8, " are not used with limited entries.", " ne sont pas utilisées dans le cas de remontées limitées."},
    {&L::Retour, "RETURN", "RETOUR"},

    {&L::RapportBitBtn1, "Save the table", "Sauvegarder le tableau "},
};

constexpr TEntree<TBulles> bulles[] = {
    {&B::Panel6, "Cards previously discarded by South", "Cartes antérieurement défaussées par Sud"},
    {&B::Panel7, "Cards previously discarded by West", "Cartes antérieurement défaussées par Ouest"},
    {&B::Panel8, "Cards previously discarded by North", "Cartes antérieurement défaussées par Nord"},
    {&B::Panel9, "Cards previously discarded by East", "Cartes antérieurement défaussées par Est"},
    {&B::BitBtn1, "This button attributes a parity to the opponent.",
     "Ce bouton permet d'attribuer une parité aux joueurs du flanc."},
    {&B::BitBtn2, "This button allow to limit entries in the suitfor North and/or South.",
     "Ce bouton permet d'attibuer un nombre de remontées limitées à Nord et/ou Sud."},
    {&B::BitBtn3, "This button allows to choose an opponent longer in the suit than the other.",
     "Ce bouton permet de choisir un joueur de flanc plus long que l'autre dans la couleur."},
    {&B::BitBtn4, "This button allows to choose an opponent stronger in the suit than the other.",
     "Ce bouton permet de choisir un joueur de flanc plus fort que l'autre dans la couleur."},
    {&B::RadioGroup1Simplifie,
     "Ex - aequo or equivalent cards will be identically displayed during the analysis of strategies.",
     "Les cartes ex - aequo et équivalentes seront affichées de la même façon pendant l'analyse des stratégies."},
    {&B::RadioGroup1Normal,
     "All cards will be displayed according to their own identity during the analysis of strategies.",
     "Toutes les cartes seront affichées selon leur identité propre pendant l'analyse des stratégies."},
    {&B::RadioGroup2Utiles,
     "Only useful strategies (i.e. dominant for a given number of tricks) will be displayed.",
     "Seules les stratégies utiles, dominantes pour un nombre donné de levées, seront affichées."},
    {&B::RadioGroup2Toutes,
     "All strategies of the position will be displayed and could be analysed if the option Normal research is chosen.",
     "Toutes les stratégies de la position seront affichées."},
    {&B::Carte, "Lead the card to the place of a player or click on it if a pad is selected.",
     "Faire glisser la carte sur le tapis d'un joueur à droite des cartes déjà posées ou bien cliquer dessus si un "
     "tapis a été sélectionné."},
    {&B::Carte16, " Card possessed by an opponent in the suit; its identity is not known.",
     " Carte détenue par un joueur de flanc dans la couleur, on ignore son identité."},
    {&B::Carte17, " Card possessed by an opponent in another suit; it diminishes the number of vacant places.",
     " Carte détenue par un joueur de flanc dans une autre couleur, elle diminue le nombre des places vacantes."},
};

constexpr TEntree<TMessages> messages[] = {
    {&M::StrategieUniqueUtiles,
     "The position has only one strategy. Try again with the display option of all strategies.",
     "La position n'a qu'une stratégie. Essayez l'analyse avec l'option d'affichage de toutes les stratégies."},
    {&M::StrategieUniqueToutes, "The position has only one strategy which is dominant for all kinds of contracts.",
     "La position n'a qu'une stratégie qui est la stratégie de référence pour tous les cas de figure."},
    {&M::CartesDuFlancSeulement, "You should only play the cards of the opponents",
     "Vous ne devez jouer que les cartes du flanc"},
    {&M::LancezAnalyse, "Launch the analysis of a world or a strategy", "Lancez l'analyse d'un monde ou d'une stratégie"},
    {&M::ObjectifNonAtteint, "This goal cannot be reached with the actual dominant strategies",
     "Cet objectif n'est pas atteint avec les stratégies dominantes"},
    {&M::TailleArbre, "You will build a tree of ", "Vous allez générer un arbre de "},
    {&M::TailleArbreSuite,
     " cards.\r"
     "The experience will show you what can easily manage your graphic card and your RAM.\r"
     "You can decrease the depth to abtain a smaller size of the tree.\r"
     "Do you want to continue ?",
     " cartes.\r"
     "L'expérience vous montrera ce que peuvent raisonnablement traiter votre carte graphique et votre RAM.\r"
     "Vous pouvez diminuer la profondeur demandée pour obtenir une taille plus petite.\r"
     "Voulez-vous continuer ?"},
    {&M::RequeteSansSolution, "Request with no solution", "Requête sans solution"},
    {&M::LimiteRemonteesRefusee, "Entries can only be limited for a hand of at most six cards",
     "Les remontées ne peuvent être limitées que pour une main de six cartes au plus"},
    {&M::CarteDefausseeConnue, " A discarded card is known", " Une carte défaussée est nécessairement connue"},
    {&M::VousFerezToujours, " You will always win ", " Vous ferez toujours "},
    {&M::Levee, " trick", " levée"},
    {&M::Levees, " tricks", " levées"},
    {&M::AnalyseEnCours, "Analysis in progress...", "Analyse en cours..."},
    {&M::AucuneLevee, "This position provides no trick", "Cette position ne fournit aucune levée"},
    {&M::AucuneLeveeExcepte, "This position provides no trick except ", "Cette position ne fournit aucune levée, excepté "},
    {&M::AucuneLeveeExcepteFin, " when the opponents are void", " levées en surnombre"},
    {&M::Maniement, " Strategy ", "Maniement "},
    {&M::ManiementMaximal, "  Maximal treatment", "  Maniement maximal"},
    {&M::ManiementAleatoire, "  Random treatment", "  Maniement aléatoire"},
    {&M::ManiementPT, "  PT treatment", "  Maniement TPP"},
    {&M::PasDeManiementPT, "  No PT treatment", "  Pas de maniement TPP "},
    {&M::MiseAJourOffre,
     "An updated version of Vortanel can be downloaded.\r"
     "Automatic loading and installation takes about ten seconds.",
     "Une version plus récente de Vortanel peut être téléchargée.\r"
     "Le chargement et l'installation automatiques durent une dizaine de secondes."},
    {&M::MiseAJourQuestion, "Do you want to upLoad it ?", "Voulez-vous la télécharger ?"},
    {&M::TelechargementTermine, "UpLoading terminated", "Téléchargement terminé"},
    {&M::FermezProgramme, "Close this program.", "Fermez ce programme"},
    {&M::LancezInstallation, "And lauch SetupVortanel.exe which is on your desktop.",
     "Et lancez SetupVortanel.exe qui se trouve sur votre bureau."},
};

template <class T>
void Remplit(T& table, std::span<const TEntree<T>> entrees, Langue langue) {
  for (const TEntree<T>& e : entrees) table.*e.membre = langue == Langue::Anglais ? e.anglais : e.francais;
}

} // namespace

Langue LangueDepuisTexte(std::string_view texte) {
  return texte == "anglais" ? Langue::Anglais : Langue::Francais;
}

const char* NomLangue(Langue langue) {
  return langue == Langue::Anglais ? "anglais" : "francais";
}

std::span<const TEntree<TLegendes>> EntreesLegendes() { return legendes; }
std::span<const TEntree<TBulles>> EntreesBulles() { return bulles; }
std::span<const TEntree<TMessages>> EntreesMessages() { return messages; }

void ChargeDossiers(TDossiers& d, Langue langue) {
  // '/' rather than '\': both Qt and std::filesystem accept it on every platform.
  std::string base = d.Base;
  if (!base.empty() && base.back() != '/' && base.back() != '\\') base += '/';
  const bool sxga = d.ClasseEcran == "SXGA";
  const std::string dossierLangue = std::string(NomLangue(langue)) + "/";

  d.Glyphes = base + "Images/Glyphs/";
  d.Images = base + (sxga ? "Images/SXGA/" : "Images/XGA/");
  d.Aide = base + "Help/";
  d.FichierAide = d.Aide + (langue == Langue::Anglais ? "Aide_An.pdf" : "Aide_Fr.pdf");
  d.Cartes = base + "Cartes/";
  d.GrandesCartes = d.Cartes + (sxga ? "cartes_125/" : "cartes_100/") + dossierLangue;
  d.PetitesCartes = d.Cartes + (sxga ? "cartes_SXGA_bmp/" : "cartes_XGA_bmp/") + dossierLangue;
}

void ChargeTextes(TTextes& textes, Langue langue) {
  ChargeDossiers(textes.dossiers, langue);
  Remplit(textes.legendes, EntreesLegendes(), langue);
  Remplit(textes.messages, EntreesMessages(), langue);
  Remplit(textes.bulles, EntreesBulles(), langue);
}

const TTextes& TextesDe(Langue langue) {
  static const TTextes tables[2] = {
      [] { TTextes t; ChargeTextes(t, Langue::Francais); return t; }(),
      [] { TTextes t; ChargeTextes(t, Langue::Anglais); return t; }(),
  };
  return tables[langue == Langue::Anglais ? 1 : 0];
}

} // namespace vortanel
