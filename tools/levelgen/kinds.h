#pragma once
// Every kind of object our scenes are made of, and its painter.
#include "tools/levelgen/scene.h"

#define LEVELGEN_KINDS(X)                                                                          \
    X(House) X(Window) X(Door) X(Chimney) X(Lamp) X(Sign) X(Fence) X(Barrel) X(Crate) X(Bunting)   \
    X(Cat) X(Bird) X(Cloud) X(Tree) X(Fir) X(Bush) X(Flower) X(Rock)                               \
    X(Boat) X(Buoy) X(Lighthouse) X(Fish) X(Crab) X(Starfish) X(Jellyfish) X(Coral) X(Seaweed)     \
    X(Shell) X(Bubbles)                                                                            \
    X(Cup) X(Bowl) X(Jar) X(Fruit) X(Bread) X(Candle) X(Teapot) X(Clock) X(Frame) X(Books)         \
    X(Teddy) X(Ball) X(Blocks) X(Car) X(Robot) X(Duck)                                             \
    X(Chicken) X(Pig) X(Gnome) X(Mushroom) X(Butterfly) X(Snail) X(Birdhouse) X(Pumpkin)           \
    X(Haybale) X(Snowman) X(Camel) X(Palm) X(Cactus) X(Tent) X(Pot)                                \
    X(Star) X(Moon) X(Planet) X(Module) X(Panel) X(Satellite) X(Astronaut) X(Rocket) X(Asteroid)     \
    X(Reed) X(SweepWell) X(Cattle) X(Heart) X(Grapes) X(Paprika) X(Tram) X(Plate) X(Jug) X(Glass)   \
    X(Swan) X(NumberPlate) X(Bulb)                                                                 \
    X(Vase) X(Bottle) X(MilkCan) X(Bucket) X(WateringCan) X(Kettle) X(Honeypot) X(Basket) X(Lantern) \
    X(Goose) X(Heron) X(Stork) X(Gull) X(Pigeon) X(Crow)                                            \
    X(Dog) X(Puli) X(Sheep) X(Goat) X(Horse) X(Rabbit) X(Fox)                                       \
    X(Chair) X(Bench) X(Stool) X(FencePost) X(Mailbox) X(Milestone) X(PriceTag) X(Signpost)        \
    X(Birdbath) X(Kite) X(Balloon) X(Flag) X(Parasol) X(Sunflower) X(Tulip) X(Cabbage) X(CornStalk) \
    X(Cake) X(Cheese) X(Salami) X(Watermelon) X(GiftBox) X(Cauldron)                               \
    X(Amphora) X(Churn) X(Goblet) X(Flamingo) X(Pelican) X(Magpie) X(Sparrow) X(Donkey) X(Deer) X(Wolf) \
    X(CoffeePot) X(Tureen) X(Demijohn) X(Inkwell) X(BeerMug) X(SaltShaker)                          \
    X(Bustard) X(Cormorant) X(Coot) X(Kingfisher) X(Robin) X(Blackbird) X(Duckling)                 \
    X(Boar) X(Mangalica) X(Buffalo) X(Bear) X(Llama) X(Calf) X(Chamois) X(Lamb)                     \
    X(BarStool) X(Table) X(Bollard) X(TramStop) X(BirdFeeder)                                       \
    X(FishingNet) X(Anchor) X(Lifebuoy) X(DeckChair) X(Sandcastle) X(Sled) X(Wheelbarrow)          \
    X(Scarecrow) X(Beehive) X(Bicycle) X(Campfire) X(Stump)                                         \
    X(Frog) X(Hedgehog) X(Octopus) X(Seahorse) X(TreasureChest)                                     \
    X(GingerbreadMan) X(ChimneyCake) X(AdventWreath) X(Globe) X(SewingMachine) X(Dice)             \
    X(SpinningTop) X(Drum) X(Pretzel) X(Cupcake) X(Donut) X(Lizard) X(Dragonfly) X(Rover)                 \
    X(Sconce) X(Hourglass) X(Diver) X(SwordPlant)

namespace levelgen {

enum K {
#define LEVELGEN_ENUM(n) n,
    LEVELGEN_KINDS(LEVELGEN_ENUM)
#undef LEVELGEN_ENUM
    KindTotal
};

// A window's details, bit by bit (its variant).
enum WindowDetail : int { kWindowCurtains = 1, kWindowLit = 2, kWindowBox = 4, kWindowShutters = 8 };

#define LEVELGEN_DECL(n) void paint##n(QPainter& p, const Obj& o);
LEVELGEN_KINDS(LEVELGEN_DECL)
#undef LEVELGEN_DECL

} // namespace levelgen
