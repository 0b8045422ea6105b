#include "replay/keyed_contest.h"

namespace velmora::cli {
namespace {

// The station worked on a band, as the contest tells repeats apart.
std::string stationOnBand(const LogQso& qso) { return qso.call + '\n' + qso.band; }

}  // namespace

KeyedContest::KeyedContest(Contest& contest) : contest_(contest) {}

const LogQso* KeyedContest::current(const std::string& key) const {
  const auto found = fed_.find(key);
  return found == fed_.end() ? nullptr : &found->second.qso;
}

void KeyedContest::put(LogQso qso) {
  if (fed_.count(qso.key) != 0) steps_.push_back({StepKind::Withdraw, qso.key, {}, {}});
  steps_.push_back({StepKind::Offer, {}, std::move(qso), {}});
}

bool KeyedContest::remove(const std::string& key) {
  if (fed_.count(key) == 0) return false;
  steps_.push_back({StepKind::Withdraw, key, {}, {}});
  return true;
}

std::optional<Offer> KeyedContest::next() {
  while (!steps_.empty()) {
    Step step = std::move(steps_.front());
    steps_.pop_front();
    switch (step.kind) {
      case StepKind::Withdraw:
        return withdraw(step.key);
      case StepKind::Offer: {
        std::string key = step.qso.key;
        Offer offer = contest_.offer(std::move(step.qso));
        fed_[std::move(key)] = Fed{offer.qso, offer.fate};
        return offer;
      }
      case StepKind::OfferAgain:
        if (std::optional<Offer> offer = offerAgain(step.station)) return offer;
        break;
    }
  }
  return std::nullopt;
}

Offer KeyedContest::withdraw(const std::string& key) {
  const auto found = fed_.find(key);
  Offer offer;
  offer.fate = QsoFate::Withdrawn;
  offer.withdrawnFrom = found->second.fate;
  offer.qso = std::move(found->second.qso);
  fed_.erase(found);
  if (offer.withdrawnFrom == QsoFate::Logged) {
    contest_.withdraw(offer.qso);
    // After the event's new version, which may take the place itself.
    steps_.push_back({StepKind::OfferAgain, {}, {}, stationOnBand(offer.qso)});
  }
  return offer;
}

// The earliest QSO set aside as a repeat of `station`, offered again; one
// the plug-in refuses now lets the next one be tried.
std::optional<Offer> KeyedContest::offerAgain(const std::string& station) {
  Fed* earliest = nullptr;
  for (auto& [key, fed] : fed_) {
    if (fed.fate != QsoFate::Repeat || stationOnBand(fed.qso) != station) continue;
    if (earliest == nullptr || fed.qso.record < earliest->qso.record) earliest = &fed;
  }
  if (earliest == nullptr) return std::nullopt;
  Offer offer = contest_.offer(earliest->qso);
  offer.again = true;
  earliest->fate = offer.fate;
  if (offer.fate == QsoFate::Refused) steps_.push_front({StepKind::OfferAgain, {}, {}, station});
  return offer;
}

}  // namespace velmora::cli
