#include "games/musicgame/music_model.h"

namespace musicgame {

namespace {

constexpr StagePlace kPlaces[kMembers] = {
    {-1, 140, 90}, {-1, 305, 40}, {-1, 510, 90}, {-1, 305, 130}};

}  // namespace

BandModel::BandModel() {
  for (GameUtil::Sprite& m : musicians) {
    m.frameWidth = kFrameSize;
    m.frameHeight = kFrameSize;
    m.width = kFrameSize * 15;
    m.height = kFrameSize;
    m.frameCount = 15;
  }
  Reset();
}

void BandModel::Reset() {
  heldMusician = -1;
  keySelection = -1;
  placingMode = false;
  stagePlaceIndex = 0;
  for (int i = 0; i < kMembers; ++i) stagePlaces[i] = kPlaces[i];
  for (GameUtil::Sprite& m : musicians) m.tag = 0;
  PlaceOffStage();
}

void BandModel::PlaceOffStage() {
  double x = 20;
  double w = 0;
  for (GameUtil::Sprite& m : musicians) {
    if (m.tag != 0) continue;
    m.x = x + w + 30;
    m.y = kRowY;
    x = m.x;
    w = m.frameWidth;
  }
}

bool BandModel::InStageArea(double x, double y) {
  return x >= 65 && x <= 580 && y >= 30 && y <= 170;
}

std::vector<int> BandModel::MembersAt(int x, int y) const {
  std::vector<int> hit;
  for (int i = 0; i < kMembers; ++i) {
    const GameUtil::Sprite& m = musicians[i];
    if (x >= m.x && x <= m.x + m.frameWidth && y >= m.y && y <= m.y + m.frameHeight) {
      hit.push_back(i);
    }
  }
  return hit;
}

bool BandModel::AllOnStage() const {
  for (const GameUtil::Sprite& m : musicians) {
    if (m.tag != 1) return false;
  }
  return true;
}

void BandModel::MoveHeld(int pointerX, int pointerY) {
  if (heldMusician < 0) return;
  GameUtil::Sprite& m = musicians[heldMusician];
  m.x = pointerX - m.frameWidth / 2.0;
  m.y = pointerY - m.frameHeight / 2.0;
}

Drop BandModel::DropHeld() {
  GameUtil::Sprite& m = musicians[heldMusician];
  heldMusician = -1;
  keySelection = -1;
  placingMode = false;
  if (!InStageArea(m.x, m.y)) {
    m.tag = 0;
    PlaceOffStage();
    return Drop::BackToRow;
  }
  m.tag = 1;
  return AllOnStage() ? Drop::FullBand : Drop::OnStage;
}

int BandModel::StepSelection() {
  int k = keySelection + 1;
  if (k > kMembers - 1) k = 0;
  while (k <= kMembers - 1 && musicians[k].tag == 1) ++k;
  if (k > kMembers - 1) k = 0;
  keySelection = k;
  return musicians[k].tag == 0 ? k : -1;
}

int BandModel::FreePlaceFrom(int from) const {
  for (int i = 0; i < kMembers; ++i) {
    const int p = (from + i) % kMembers;
    if (stagePlaces[p].Free()) return p;
  }
  return -1;
}

void BandModel::PutHeldAt(int place) {
  stagePlaceIndex = place;
  musicians[heldMusician].x = stagePlaces[place].x;
  musicians[heldMusician].y = stagePlaces[place].y;
}

bool BandModel::TakeSelection() {
  if (keySelection < 0 || musicians[keySelection].tag != 0) return false;
  const int place = FreePlaceFrom(0);
  if (place < 0) return false;
  heldMusician = keySelection;
  PutHeldAt(place);
  placingMode = true;
  return true;
}

void BandModel::StepPlace() {
  const int place = FreePlaceFrom((stagePlaceIndex + 1) % kMembers);
  if (place >= 0) PutHeldAt(place);
}

void BandModel::ConfirmPlace() {
  stagePlaces[stagePlaceIndex].x = 0;
  stagePlaces[stagePlaceIndex].y = 0;
}

int PickSong(int previous, int count, const std::function<int(int lo, int hi)>& random) {
  if (count <= 1) return 0;
  if (previous < 0 || previous >= count) return random(0, count - 1);
  // One of the others: a number among count - 1, stepping over the previous song.
  const int pick = random(0, count - 2);
  return pick >= previous ? pick + 1 : pick;
}

}  // namespace musicgame
