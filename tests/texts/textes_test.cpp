#include "texts/textes.hpp"

#include <gtest/gtest.h>

#include <string>

namespace vortanel {
namespace {

using Lecteur = const std::string& (*)(const TTextes&);
#define ENTREE(chemin) #chemin, [](const TTextes& t) -> const std::string& { return t.chemin; }

TTextes Charge(Langue langue) {
  TTextes t;
  ChargeTextes(t, langue);
  return t;
}

TEST(Textes, SampleEntriesInBothLanguages) {
  struct Cas {
    const char* nom;
    Lecteur lire;
    const char* anglais;
    const char* francais;
  };
  const Cas cas[] = {
      {ENTREE(legendes.BitBtn1), "West parity : free", "Parité Ouest : libre"},
      {ENTREE(legendes.BitBtn4), "Strong opponent : free ", "Flanc fort : aucun"},
      {ENTREE(legendes.BitBtn5), "PRESENTATION-HELP", "PRÉSENTATION-AIDE"},
      {ENTREE(legendes.SpeedButton1), "ANALYZE", "ANALYSER"},
      {ENTREE(legendes.Label1), " THE  TREATMENT  OF  A  SUIT  AT  BRIDGE", "LE  MANIEMENT  DE  LA COULEUR  AU  BRIDGE"},
      {ENTREE(legendes.RadioGroup1Normal), "Normal", "Normal"},
      {ENTREE(legendes.ResultatsButton1), "Next  world", "Monde suivant"},
      {ENTREE(legendes.ResultatsNLabel4), "           Worlds  +                P", "           Mondes  +                P"},
      {ENTREE(legendes.ResultatsNLabel5), "           Worlds  -               P", "           Mondes  -               P"},
      {ENTREE(legendes.PositionOrigine), " Home position", " Position d'origine "},
      {ENTREE(legendes.ResultatsBitBtn4), "GAME TREE  mini ", "ARBRE de JEU  mini "},
      {ENTREE(legendes.ResultatsComboBox1), "    Depth of the tree", "          Profondeur"},
      {ENTREE(legendes.TitreManiements), "TREATMENTS", "Maniements"},
      {ENTREE(legendes.PariteButton3), "West parity : odd", "Parité Ouest : impaire"},
      {ENTREE(legendes.LongButton4), "Long opponent : East", "Flanc long : Est"},
      {ENTREE(legendes.FortButton3), "Strong opponent : free", "Flanc fort : libre"},
      {ENTREE(legendes.RemonteesNonLimite), "Unlimited", "Non limité"},
      {ENTREE(legendes.RemonteesMemoLigne7), " Note : Search time can be a bit longer because tranposition tables ",
       " Note : Le temps de recherche peut être un peu plus long car les tables de transposition "},
      {ENTREE(legendes.Retour), "RETURN", "RETOUR"},
      {ENTREE(legendes.RapportBitBtn1), "Save the table", "Sauvegarder le tableau "},
      {ENTREE(bulles.Panel9), "Cards previously discarded by East", "Cartes antérieurement défaussées par Est"},
      {ENTREE(bulles.BitBtn2), "This button allow to limit entries in the suitfor North and/or South.",
       "Ce bouton permet d'attibuer un nombre de remontées limitées à Nord et/ou Sud."},
      {ENTREE(bulles.RadioGroup2Toutes),
       "All strategies of the position will be displayed and could be analysed if the option Normal research is chosen.",
       "Toutes les stratégies de la position seront affichées."},
      {ENTREE(bulles.Carte16), " Card possessed by an opponent in the suit; its identity is not known.",
       " Carte détenue par un joueur de flanc dans la couleur, on ignore son identité."},
      {ENTREE(messages.VousFerezToujours), " You will always win ", " Vous ferez toujours "},
      {ENTREE(messages.Levee), " trick", " levée"},
      {ENTREE(messages.Levees), " tricks", " levées"},
      {ENTREE(messages.RequeteSansSolution), "Request with no solution", "Requête sans solution"},
      {ENTREE(messages.CarteDefausseeConnue), " A discarded card is known", " Une carte défaussée est nécessairement connue"},
      {ENTREE(messages.AnalyseEnCours), "Analysis in progress...", "Analyse en cours..."},
      {ENTREE(messages.AucuneLevee), "This position provides no trick", "Cette position ne fournit aucune levée"},
      {ENTREE(messages.AucuneLeveeExcepte), "This position provides no trick except ",
       "Cette position ne fournit aucune levée, excepté "},
      {ENTREE(messages.AucuneLeveeExcepteFin), " when the opponents are void", " levées en surnombre"},
      {ENTREE(messages.Maniement), " Strategy ", "Maniement "},
      {ENTREE(messages.PasDeManiementPT), "  No PT treatment", "  Pas de maniement TPP "},
      {ENTREE(messages.TailleArbre), "You will build a tree of ", "Vous allez générer un arbre de "},
      {ENTREE(messages.TailleArbreSuite),
       " cards.\rThe experience will show you what can easily manage your graphic card and your RAM.\r"
       "You can decrease the depth to abtain a smaller size of the tree.\rDo you want to continue ?",
       " cartes.\rL'expérience vous montrera ce que peuvent raisonnablement traiter votre carte graphique et votre "
       "RAM.\rVous pouvez diminuer la profondeur demandée pour obtenir une taille plus petite.\rVoulez-vous continuer ?"},
      {ENTREE(messages.MiseAJourOffre),
       "An updated version of Vortanel can be downloaded.\rAutomatic loading and installation takes about ten seconds.",
       "Une version plus récente de Vortanel peut être téléchargée.\rLe chargement et l'installation automatiques "
       "durent une dizaine de secondes."},
      {ENTREE(messages.FermezProgramme), "Close this program.", "Fermez ce programme"},
  };
  const TTextes anglais = Charge(Langue::Anglais);
  const TTextes francais = Charge(Langue::Francais);
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    EXPECT_EQ(c.lire(anglais), c.anglais);
    EXPECT_EQ(c.lire(francais), c.francais);
    EXPECT_EQ(c.lire(TextesDe(Langue::Anglais)), c.anglais);
    EXPECT_EQ(c.lire(TextesDe(Langue::Francais)), c.francais);
  }
}

// Every member of a table has exactly one row, and its texts are non-empty, use only
// carriage returns as line breaks and, where asked, fit 255 bytes.
template <class T>
void VerifieTable(const char* nom, const T& anglais, const T& francais, std::span<const TEntree<T>> entrees,
                  bool auPlus255) {
  SCOPED_TRACE(nom);
  EXPECT_EQ(entrees.size() * sizeof(std::string), sizeof(T)) << "a member has no row, or a row is not a member";
  for (size_t i = 0; i < entrees.size(); ++i) {
    SCOPED_TRACE("row " + std::to_string(i) + ": " + entrees[i].anglais);
    for (size_t j = 0; j < i; ++j) EXPECT_FALSE(entrees[i].membre == entrees[j].membre) << "same member as row " << j;
    for (const std::string* texte : {&(anglais.*entrees[i].membre), &(francais.*entrees[i].membre)}) {
      EXPECT_FALSE(texte->empty());
      EXPECT_EQ(texte->find('\n'), std::string::npos);
      if (auPlus255) {
        EXPECT_LE(texte->size(), 255u);
      }
    }
  }
}

TEST(Textes, EveryMemberIsFilledInBothLanguages) {
  const TTextes a = Charge(Langue::Anglais);
  const TTextes f = Charge(Langue::Francais);
  VerifieTable("legendes", a.legendes, f.legendes, EntreesLegendes(), false);
  VerifieTable("bulles", a.bulles, f.bulles, EntreesBulles(), true);
  VerifieTable("messages", a.messages, f.messages, EntreesMessages(), true);
  for (const TTextes* t : {&a, &f}) {
    const TDossiers& d = t->dossiers;
    for (const std::string* s : {&d.Glyphes, &d.Images, &d.Aide, &d.FichierAide, &d.Cartes, &d.GrandesCartes,
                                 &d.PetitesCartes})
      EXPECT_FALSE(s->empty());
  }
}

TEST(Textes, SwitchingLanguageRefillsEveryTable) {
  const TTextes anglais = Charge(Langue::Anglais);
  const TTextes francais = Charge(Langue::Francais);
  ASSERT_NE(anglais.legendes, francais.legendes);
  ASSERT_NE(anglais.bulles, francais.bulles);
  ASSERT_NE(anglais.messages, francais.messages);
  ASSERT_NE(anglais.dossiers, francais.dossiers);

  TTextes t;
  ChargeTextes(t, Langue::Francais);
  EXPECT_EQ(t, francais);
  ChargeTextes(t, Langue::Anglais);
  EXPECT_EQ(t, anglais);
  ChargeTextes(t, Langue::Francais);
  EXPECT_EQ(t, francais);
}

TEST(Textes, LanguageFromItsName) {
  struct Cas {
    const char* texte;
    Langue langue;
  };
  const Cas cas[] = {
      {"anglais", Langue::Anglais}, {"francais", Langue::Francais}, {"Anglais", Langue::Francais},
      {"english", Langue::Francais}, {"anglais ", Langue::Francais}, {"", Langue::Francais},
      {"espagnol", Langue::Francais},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.texte);
    EXPECT_EQ(LangueDepuisTexte(c.texte), c.langue);
  }
  EXPECT_STREQ(NomLangue(Langue::Anglais), "anglais");
  EXPECT_STREQ(NomLangue(Langue::Francais), "francais");
  for (Langue l : {Langue::Francais, Langue::Anglais}) EXPECT_EQ(LangueDepuisTexte(NomLangue(l)), l);

  EXPECT_EQ(Charge(LangueDepuisTexte("espagnol")), Charge(Langue::Francais));
}

TEST(Textes, FolderTableFollowsBaseScreenClassAndLanguage) {
  struct Cas {
    const char* base;
    const char* classe;
    Langue langue;
    const char* images;
    const char* fichierAide;
    const char* grandes;
    const char* petites;
  };
  const Cas cas[] = {
      {"/opt/vortanel", "XGA", Langue::Francais, "/opt/vortanel/Images/XGA/", "/opt/vortanel/Help/Aide_Fr.pdf",
       "/opt/vortanel/Cartes/cartes_100/francais/", "/opt/vortanel/Cartes/cartes_XGA_bmp/francais/"},
      {"/opt/vortanel/", "SXGA", Langue::Anglais, "/opt/vortanel/Images/SXGA/", "/opt/vortanel/Help/Aide_An.pdf",
       "/opt/vortanel/Cartes/cartes_125/anglais/", "/opt/vortanel/Cartes/cartes_SXGA_bmp/anglais/"},
      {"C:\\Vortanel\\", "SXGA", Langue::Francais, "C:\\Vortanel\\Images/SXGA/", "C:\\Vortanel\\Help/Aide_Fr.pdf",
       "C:\\Vortanel\\Cartes/cartes_125/francais/", "C:\\Vortanel\\Cartes/cartes_SXGA_bmp/francais/"},
      {"", "XGA", Langue::Anglais, "Images/XGA/", "Help/Aide_An.pdf", "Cartes/cartes_100/anglais/",
       "Cartes/cartes_XGA_bmp/anglais/"},
      {"base", "", Langue::Anglais, "base/Images/XGA/", "base/Help/Aide_An.pdf", "base/Cartes/cartes_100/anglais/",
       "base/Cartes/cartes_XGA_bmp/anglais/"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(std::string(c.base) + " " + c.classe + " " + NomLangue(c.langue));
    TTextes t;
    t.dossiers.Base = c.base;
    t.dossiers.ClasseEcran = c.classe;
    ChargeTextes(t, c.langue == Langue::Anglais ? Langue::Francais : Langue::Anglais);
    ChargeTextes(t, c.langue);
    const std::string base = std::string(c.images).substr(0, std::string(c.images).find("Images/"));
    EXPECT_EQ(t.dossiers.Base, c.base);
    EXPECT_EQ(t.dossiers.ClasseEcran, c.classe);
    EXPECT_EQ(t.dossiers.Glyphes, base + "Images/Glyphs/");
    EXPECT_EQ(t.dossiers.Images, c.images);
    EXPECT_EQ(t.dossiers.Aide, base + "Help/");
    EXPECT_EQ(t.dossiers.FichierAide, c.fichierAide);
    EXPECT_EQ(t.dossiers.Cartes, base + "Cartes/");
    EXPECT_EQ(t.dossiers.GrandesCartes, c.grandes);
    EXPECT_EQ(t.dossiers.PetitesCartes, c.petites);
  }
}

} // namespace
} // namespace vortanel
