// What each kind of object is: where it paints, and how it may be changed.
#include "tools/levelgen/kinds.h"

#include <array>

namespace levelgen {

namespace {
constexpr unsigned Small = Remove | Add | Move; // a small loose object

std::array<Kind, KindTotal> makeTable()
{
    std::array<Kind, KindTotal> t{};
    auto set = [&t](K k, const char* name, QRectF box, PaintFn fn, unsigned mods, int details = 0,
                    int shapes = 1, int minCount = 0, int maxCount = 0, int recolour = 1) {
        t[k] = Kind{name, box, fn, mods, details, shapes, minCount, maxCount, recolour};
    };
    set(House, "house", {-46, -111, 92, 112}, paintHouse, 0, 0, 2);
    set(Window, "window", {-15, -25, 30, 25}, paintWindow, Recolour | Detail | Reshape | Remove, 4, 2, 0, 0, 2);
    set(Door, "door", {-10, -31, 20, 31}, paintDoor, Recolour | Detail | Reshape | Mirror, 2, 2);
    set(Chimney, "chimney", {-8, -44, 27, 44}, paintChimney, Detail | Remove, 1);
    set(Lamp, "lamp", {-13, -84, 26, 85}, paintLamp, Detail | Recolour | Remove | Move, 1);
    set(Sign, "sign", {-15, -31, 28, 29}, paintSign, Reshape | Detail | Recolour, 2, 2);
    set(Fence, "fence", {-31, -21, 63, 21}, paintFence, Count | Recolour, 0, 1, 3, 8);
    set(Barrel, "barrel", {-11.5, -27, 23, 30}, paintBarrel, Remove | Add | Recolour | Resize | Detail, 1);
    set(Crate, "crate", {-14.5, -22, 29, 25}, paintCrate, Remove | Add | Recolour | Resize | Detail, 2);
    set(Bunting, "bunting", {-51, -1, 102, 17}, paintBunting, Count, 0, 1, 4, 9);
    set(Cat, "cat", {-12, -30, 29, 33}, paintCat, Recolour | Mirror | Remove | Add | Detail, 1);
    set(Bird, "bird", {-11, -9, 22, 16}, paintBird, Small | Mirror | Recolour | Reshape, 0, 2);
    set(Cloud, "cloud", {-46, -28, 92, 34}, paintCloud, 0);
    set(Tree, "tree", {-36, -95, 74, 100}, paintTree, Count | Recolour | Resize | Remove | Mirror, 0, 1, 0, 6);
    set(Fir, "fir", {-24, -85, 48, 89}, paintFir, Detail | Resize | Remove, 2);
    set(Bush, "bush", {-24, -28, 48, 32}, paintBush, Count | Recolour | Remove, 0, 1, 0, 7, 2);
    set(Flower, "flower", {-8, -30, 16, 31}, paintFlower, Small | Recolour | Count | Resize, 0, 1, 5, 8);
    set(Rock, "rock", {-18.5, -15, 37, 19}, paintRock, Remove | Resize | Detail, 1);
    set(Boat, "boat", {-31, -59, 62, 64}, paintBoat, Recolour | Mirror | Detail | Move | Remove | Resize, 2, 1, 0, 0, 2);
    set(Buoy, "buoy", {-7.5, -22, 15, 24}, paintBuoy, Small | Recolour | Detail, 1);
    set(Lighthouse, "lighthouse", {-14.5, -129, 29, 130}, paintLighthouse, Count | Detail, 1, 1, 2, 5);
    set(Fish, "fish", {-17.5, -11.5, 31, 19}, paintFish, Small | Recolour | Mirror | Count | Resize, 0, 1, 0, 3);
    set(Crab, "crab", {-15.5, -16, 33, 19}, paintCrab, Small | Recolour | Mirror);
    set(Starfish, "starfish", {-11.5, -11.5, 23, 23}, paintStarfish, Small | Recolour | Count, 0, 1, 5, 6);
    set(Jellyfish, "jellyfish", {-11.5, -12, 23, 35}, paintJellyfish, Small | Recolour | Count, 0, 1, 3, 6);
    set(Coral, "coral", {-28, -46, 56, 49}, paintCoral, Recolour | Count | Resize, 0, 1, 3, 5);
    set(Seaweed, "seaweed", {-14, -67, 29, 68}, paintSeaweed, Count | Recolour, 0, 1, 2, 4);
    set(Shell, "shell", {-8.5, -12.5, 17, 13}, paintShell, Small | Recolour);
    set(Bubbles, "bubbles", {-8.5, -39, 17, 40}, paintBubbles, Remove | Add | Count, 0, 1, 2, 5);
    set(Cup, "cup", {-13.5, -33, 28, 36}, paintCup, Small | Recolour | Mirror | Detail, 2);
    set(Bowl, "bowl", {-23, -34, 46, 37}, paintBowl, Count | Recolour, 0, 1, 2, 6);
    set(Jar, "jar", {-10, -28, 20, 31}, paintJar, Remove | Add | Recolour | Detail | Resize, 1);
    set(Fruit, "fruit", {-8.5, -19, 17, 21}, paintFruit, Small | Recolour | Reshape, 0, 3);
    set(Bread, "bread", {-19.5, -13, 39, 16}, paintBread, Remove | Add | Count | Resize, 0, 1, 2, 4);
    set(Candle, "candle", {-7.5, -34.5, 15, 35}, paintCandle, Detail | Recolour | Resize, 1);
    set(Teapot, "teapot", {-20, -28, 41, 31}, paintTeapot, Recolour | Mirror | Detail | Remove, 1);
    set(Clock, "clock", {-14.5, -14.5, 29, 29}, paintClock, Detail | Reshape | Recolour, 2, 2);
    set(Frame, "frame", {-19.5, -15.5, 41, 32}, paintFrame, Detail | Recolour | Reshape, 2, 2);
    set(Books, "books", {-1, -28, 64, 29}, paintBooks, Count | Recolour, 0, 1, 3, 7);
    set(Teddy, "teddy", {-15.5, -36, 31, 39}, paintTeddy, Recolour | Detail | Remove | Mirror, 3);
    set(Ball, "ball", {-10.5, -20.5, 21, 22.5}, paintBall, Small | Recolour | Resize | Detail, 1);
    set(Blocks, "blocks", {-9.5, -57, 19, 58}, paintBlocks, Count | Recolour | Detail, 2, 1, 1, 4);
    set(Car, "car", {-19.5, -18.5, 39, 21}, paintCar, Small | Recolour | Mirror | Detail, 1);
    set(Robot, "robot", {-12, -43.5, 24, 46}, paintRobot, Count | Detail | Recolour, 1, 1, 1, 4);
    set(Duck, "duck", {-12.5, -19.5, 27, 22}, paintDuck, Remove | Add | Recolour | Mirror | Resize);
    set(Chicken, "chicken", {-12.5, -26, 25.5, 28}, paintChicken, Small | Recolour | Mirror | Detail, 1);
    set(Pig, "pig", {-19.5, -25.5, 40, 28}, paintPig, Remove | Add | Recolour | Mirror | Detail, 1);
    set(Gnome, "gnome", {-10.5, -34.5, 21, 36.5}, paintGnome, Recolour | Mirror | Detail | Remove, 1);
    set(Mushroom, "mushroom", {-9.5, -17.5, 19, 19.5}, paintMushroom, Remove | Add | Count | Recolour | Resize, 0, 1, 0, 6);
    set(Butterfly, "butterfly", {-9.5, -8.5, 19, 15}, paintButterfly, Small | Recolour);
    set(Snail, "snail", {-10.5, -13.5, 22, 14}, paintSnail, Small | Recolour | Mirror);
    set(Birdhouse, "birdhouse", {-11.5, -50.5, 23, 51}, paintBirdhouse, Reshape | Detail | Recolour, 1, 2);
    set(Pumpkin, "pumpkin", {-14.5, -24.5, 29, 27}, paintPumpkin, Remove | Add | Recolour | Reshape | Resize, 0, 2);
    set(Haybale, "haybale", {-19.5, -20.5, 40, 24}, paintHaybale, Remove | Add | Resize);
    set(Snowman, "snowman", {-15.5, -52.5, 31, 56}, paintSnowman, Count | Detail | Recolour | Mirror, 3, 1, 1, 4, 2);
    set(Camel, "camel", {-24.5, -42, 55, 45}, paintCamel, Count | Detail | Recolour | Mirror | Remove, 1, 1, 1, 2, 2);
    set(Palm, "palm", {-23, -94, 57, 98}, paintPalm, Count | Detail | Mirror | Resize, 1, 1, 5, 8);
    set(Cactus, "cactus", {-13.5, -45, 27, 48}, paintCactus, Count | Detail | Resize | Remove, 1, 1, 0, 2);
    set(Tent, "tent", {-24.5, -33.5, 49, 37}, paintTent, Reshape | Detail | Recolour | Mirror, 2, 2);
    set(Pot, "pot", {-10.5, -24.5, 21, 27}, paintPot, Remove | Add | Recolour | Reshape, 0, 2);
    set(Star, "star", {-6, -6, 12, 12}, paintStar, Small | Resize | Recolour);
    set(Moon, "moon", {-16.5, -16.5, 33, 33}, paintMoon, Reshape | Mirror | Resize, 0, 2);
    set(Planet, "planet", {-25.5, -15, 51, 30}, paintPlanet, Detail | Recolour | Resize, 1);
    set(Module, "module", {-34.5, -14.5, 69, 26}, paintModule, Count | Detail | Recolour, 1, 1, 2, 7, 2);
    set(Panel, "panel", {-32.5, -9.5, 65, 19}, paintPanel, Count | Recolour, 0, 1, 3, 6);
    set(Satellite, "satellite", {-21.5, -13.5, 43, 19.5}, paintSatellite, Small | Detail | Mirror | Recolour, 1);
    set(Astronaut, "astronaut", {-11.5, -21.5, 23, 40}, paintAstronaut, Small | Recolour | Mirror | Detail, 2);
    set(Rocket, "rocket", {-9.5, -34.5, 19, 58}, paintRocket, Recolour | Count | Detail, 1, 1, 1, 3);
    set(Asteroid, "asteroid", {-11.5, -9, 23, 18}, paintAsteroid, Small | Resize);
    set(Reed, "reeds", {-17, -46, 34, 47}, paintReed, Detail, 2);
    set(SweepWell, "sweep well", {-34, -106, 77, 109}, paintSweepWell, Detail, 2);
    set(Cattle, "grey cattle", {-21, -37, 45, 40}, paintCattle, Small | Mirror | Detail, 1);
    set(Heart, "gingerbread heart", {-9, -23, 18, 22}, paintHeart, Small | Recolour | Pattern | Shade | Tilt, 1);
    set(Grapes, "grapes", {-9.5, -17.5, 19, 25}, paintGrapes, Small | Recolour | Count | Shade, 0, 1, 2, 5);
    set(Paprika, "paprika string", {-6, -0.5, 12, 66}, paintPaprika, Count, 0, 1, 5, 9);
    set(Tram, "tram", {-39, -35.5, 78, 39}, paintTram, Detail, 2);
    set(Plate, "plate", {-15.5, -9.5, 31, 14}, paintPlate, Remove | Add | Recolour | Pattern | Shade, 1);
    set(Jug, "jug", {-10, -25, 23, 27}, paintJug, Small | Recolour | Detail | Mirror | Shade | Tilt, 1, 1, 0, 0, 2);
    set(Glass, "glass", {-5, -19, 10, 20}, paintGlass, Small | Detail, 1);
    set(Swan, "swan", {-13, -22, 25, 24}, paintSwan, Small | Mirror | Tilt);
    set(NumberPlate, "house number", {-7, -10.5, 14, 11}, paintNumberPlate, Digit | Recolour | Shade, 0, 1, 0, 9);
    set(Bulb, "light bulb", {-7, -1.5, 14, 14.5}, paintBulb, Light | Remove, 1);
    // Kinds of the parametrised painters (painters_families.cpp).
    set(Vase, "vase", {-10.5, -24, 23, 27}, paintVase, Small | Recolour | Pattern | Shade | Resize);
    set(Bottle, "bottle", {-7.5, -25, 17, 28}, paintBottle, Small | Recolour | Pattern | Shade);
    set(MilkCan, "milk can", {-10.5, -29, 23, 32}, paintMilkCan, Small | Recolour | Pattern);
    set(Bucket, "bucket", {-10.5, -25.5, 23, 28.5}, paintBucket, Small | Recolour | Pattern | Shade);
    set(WateringCan, "watering can", {-16, -16, 31, 19}, paintWateringCan, Small | Recolour | Mirror | Pattern | Tilt);
    set(Kettle, "kettle", {-17, -23.5, 30.5, 26.5}, paintKettle, Small | Recolour | Mirror | Pattern | Shade);
    set(Honeypot, "honey pot", {-11.5, -20, 25, 23}, paintHoneypot, Small | Recolour | Pattern | Shade | Resize);
    set(Basket, "basket", {-12.5, -22.5, 27, 25.5}, paintBasket, Small | Recolour | Detail | Pattern, 2);
    set(Lantern, "lantern", {-14.5, -30.5, 29, 33.5}, paintLantern, Small | Light | Recolour, 1);
    set(Goose, "goose", {-9, -20, 23.5, 22.5}, paintGoose, Small | Mirror | Recolour | Shade);
    set(Heron, "heron", {-8, -38, 25.5, 40.5}, paintHeron, Small | Mirror);
    set(Stork, "stork", {-8.5, -34, 25.5, 36.5}, paintStork, Small | Mirror);
    set(Gull, "gull", {-7.5, -13.5, 19.5, 16}, paintGull, Small | Mirror | Recolour);
    set(Pigeon, "pigeon", {-6.5, -12.5, 16, 15}, paintPigeon, Small | Mirror | Shade);
    set(Crow, "crow", {-7, -13, 19, 15.5}, paintCrow, Small | Mirror);
    set(Dog, "dog", {-12.5, -19.5, 27, 22}, paintDog, Small | Mirror | Recolour | Shade);
    set(Puli, "puli", {-10.5, -16.5, 25, 19}, paintPuli, Small | Mirror | Recolour);
    set(Sheep, "sheep", {-11, -20.5, 25.5, 23}, paintSheep, Small | Mirror | Shade);
    set(Goat, "goat", {-10, -23, 23.5, 25.5}, paintGoat, Small | Mirror | Recolour);
    set(Horse, "horse", {-18.5, -39.5, 39, 42}, paintHorse, Mirror | Recolour);
    set(Rabbit, "rabbit", {-7, -17, 17.5, 19.5}, paintRabbit, Small | Mirror | Recolour);
    set(Fox, "fox", {-16, -19, 29.5, 21.5}, paintFox, Small | Mirror);
    set(Chair, "chair", {-8, -24, 16, 26.5}, paintChair, Recolour | Detail | Mirror | Move, 2);
    set(Bench, "bench", {-20, -19, 40, 21.5}, paintBench, Detail | Recolour, 2);
    set(Stool, "stool", {-7, -18, 14, 20.5}, paintStool, Small | Recolour | Shade);
    set(FencePost, "fence post", {-6.5, -27, 13, 29.5}, paintFencePost, Detail | Recolour, 1);
    set(Mailbox, "mailbox", {-9, -29, 22, 31.5}, paintMailbox, Digit | Detail | Recolour, 1, 1, 0, 9);
    set(Milestone, "milestone", {-8.5, -19, 17, 21.5}, paintMilestone, Digit, 0, 1, 0, 9);
    set(PriceTag, "price tag", {-7.5, -17, 15, 18}, paintPriceTag, Digit | Small, 0, 1, 1, 9);
    set(Signpost, "signpost", {-14, -35, 28, 37.5}, paintSignpost, Detail | Recolour, 2);
    set(Birdbath, "bird bath", {-12, -17.5, 24, 20}, paintBirdbath, Small);
    set(Kite, "kite", {-9, -23, 18, 45.5}, paintKite, Pattern | Count | Recolour | Tilt | Mirror, 0, 1, 2, 5);
    set(Balloon, "balloon", {-6.5, -18.5, 13, 31.5}, paintBalloon, Small | Recolour | Shade);
    set(Flag, "flag", {-3.5, -38.5, 23, 40.5}, paintFlag, Pattern | Recolour);
    set(Parasol, "parasol", {-19, -37, 38, 39.5}, paintParasol, 0);
    set(Sunflower, "sunflower", {-7, -41, 16, 42.5}, paintSunflower, Small | Recolour | Resize | Tilt);
    set(Tulip, "tulip", {-4.5, -21.5, 9, 23}, paintTulip, Small | Recolour | Shade | Tilt);
    set(Cabbage, "cabbage", {-10, -19.5, 20, 22}, paintCabbage, Small | Shade | Resize);
    set(CornStalk, "corn stalk", {-11.5, -41.5, 23, 43}, paintCornStalk, Resize | Mirror);
    set(Cake, "layer cake", {-12.5, -21, 25, 23.5}, paintCake, Small | Count | Pattern | Recolour, 0, 1, 1, 3);
    set(Cheese, "cheese wheel", {-11.5, -13, 23, 15.5}, paintCheese, Small | Detail | Shade, 1);
    set(Salami, "salami", {-4.5, -1, 9, 29}, paintSalami, Small | Count | Shade, 0, 1, 1, 4);
    set(Watermelon, "watermelon slice", {-12.5, -12, 25, 14.5}, paintWatermelon, Small | Count | Recolour | Mirror, 0, 1, 3, 5);
    set(GiftBox, "gift box", {-10.5, -21, 21, 23.5}, paintGiftBox, Small | Recolour | Pattern | Resize);
    set(Cauldron, "cauldron", {-15.5, -35.5, 31, 37}, paintCauldron, Detail | Recolour, 1);
    // Lights and finer changes the older kinds also take.
    for (K k : {Lamp, Window})
        t[k].mods |= Light;
    t[Window].lightBit = 1;
    for (K k : {Fruit, Flower, Ball, Cup, Pot, Jar, Bird, Butterfly, Pumpkin, Mushroom, Shell, Starfish, Fish, Car, Crate, Barrel})
        t[k].mods |= Shade;
    for (K k : {Cup, Bird, Frame, Sign, Clock, Shell, Car, Fish, Duck})
        t[k].mods |= Tilt;
    t[Ball].mods |= Pattern;
    return t;
}
} // namespace

const Kind& kindOf(int kind)
{
    static const std::array<Kind, KindTotal> table = makeTable();
    return table[std::size_t(kind)];
}

int kindCount() { return KindTotal; }

} // namespace levelgen
