#include <fstream>
#include <iostream>
#include <thread>

#include <CLI/CLI.hpp>

#include "cli/commande.hpp"

using namespace vortanel;

int main(int argc, char** argv) {
  CLI::App app{"vortanel-cli: analyse the play of one suit at bridge"};
  app.require_subcommand(1);
  TDemande d;
  CLI::App* analyse = app.add_subcommand("analyse", "analyse one layout");
  analyse->add_option("--north", d.north, "North's cards, e.g. AQ10");
  analyse->add_option("--south", d.south, "South's cards");
  analyse->add_option("--west", d.west, "cards known in West's hand");
  analyse->add_option("--east", d.east, "cards known in East's hand");
  analyse->add_option("--west-unknown", d.westUnknown, "West's cards of the suit of unknown rank");
  analyse->add_option("--east-unknown", d.eastUnknown, "East's cards of the suit of unknown rank");
  analyse->add_option("--west-other", d.westOther, "West's known cards of other suits");
  analyse->add_option("--east-other", d.eastOther, "East's known cards of other suits");
  analyse->add_option("--discards-south", d.discardsSouth, "cards of the suit South discarded earlier");
  analyse->add_option("--discards-west", d.discardsWest, "cards of the suit West discarded earlier");
  analyse->add_option("--discards-north", d.discardsNorth, "cards of the suit North discarded earlier");
  analyse->add_option("--discards-east", d.discardsEast, "cards of the suit East discarded earlier");
  analyse->add_option("--west-parity", d.westParity, "even|odd");
  analyse->add_option("--long", d.longOpp, "the longer opponent: west|east");
  analyse->add_option("--strong", d.strongOpp, "the stronger opponent: west|east");
  analyse->add_option("--entries-south", d.entriesSouth, "entries to South, 0 to 5");
  analyse->add_option("--entries-north", d.entriesNorth, "entries to North, 0 to 5");
  analyse->add_option("--lang", d.lang, "en|fr");
  analyse->add_option("--display", d.display, "simplified|normal");
  analyse->add_option("--strategies", d.strategies, "useful|all");
  analyse->add_option("--format", d.format, "text|json");
  analyse->add_option("--seed", d.seed, "seed of the random generator");

  int taches = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  std::string fichier = "-";
  CLI::App* lot = app.add_subcommand("batch", "analyse one JSON layout per input line");
  lot->add_option("--jobs", taches, "analyses run at once");
  lot->add_option("file", fichier, "input file, - for standard input");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "vortanel-cli: " << e.what() << "\n";
    return 2;
  }
  if (analyse->parsed()) {
    const TReponse r = ExecuteAnalyse(d);
    std::cout << r.sortie;
    if (!r.erreur.empty()) std::cerr << "vortanel-cli: " << r.erreur << "\n";
    return r.statut;
  }
  if (taches < 1) {
    std::cerr << "vortanel-cli: --jobs must be at least 1\n";
    return 2;
  }
  if (fichier == "-") {
    ExecuteLot(std::cin, std::cout, taches);
  } else {
    std::ifstream f(fichier);
    if (!f) {
      std::cerr << "vortanel-cli: cannot read " << fichier << "\n";
      return 2;
    }
    ExecuteLot(f, std::cout, taches);
  }
  return 0;
}
