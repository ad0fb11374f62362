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
    set(Lamp, "lamp", {-13, -84, 26, 85}, paintLamp, Detail | Recolour | Remove | Move, 2);
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
    set(Dog, "dog", {-10.5, -20.5, 26, 23}, paintDog, Small | Mirror | Recolour | Shade);
    set(Puli, "puli", {-11.5, -17.5, 27, 20}, paintPuli, Small | Mirror | Recolour | Detail, 1);
    set(Sheep, "sheep", {-11.5, -19.5, 27, 22}, paintSheep, Small | Mirror | Shade | Detail, 1);
    set(Goat, "goat", {-10.5, -23.5, 25, 26}, paintGoat, Small | Mirror | Recolour | Detail, 1);
    set(Horse, "horse", {-16.5, -39.5, 38, 42}, paintHorse, Mirror | Recolour);
    set(Rabbit, "rabbit", {-7.5, -17.5, 19, 20}, paintRabbit, Small | Mirror | Recolour | Detail, 1);
    set(Fox, "fox", {-15.5, -19.5, 30, 22}, paintFox, Small | Mirror | Detail, 1);
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
    set(Amphora, "amphora", {-10.5, -27, 25.5, 30}, paintAmphora, Small | Recolour | Pattern | Mirror);
    set(Churn, "butter churn", {-10, -39.5, 22, 42.5}, paintChurn, Small | Recolour | Pattern);
    set(Goblet, "goblet", {-7.5, -11, 17, 17}, paintGoblet, Small | Recolour | Pattern | Shade);
    set(Flamingo, "flamingo", {-7.5, -37, 21.5, 39.5}, paintFlamingo, Small | Mirror | Shade);
    set(Pelican, "pelican", {-9.5, -23, 29.5, 25.5}, paintPelican, Small | Mirror);
    set(Magpie, "magpie", {-7, -12, 18.5, 14.5}, paintMagpie, Small | Mirror);
    set(Sparrow, "sparrow", {-5, -9.5, 12.5, 12}, paintSparrow, Small | Mirror | Shade);
    set(Donkey, "donkey", {-12.5, -35.5, 30, 38}, paintDonkey, Small | Mirror | Shade);
    set(Deer, "deer", {-12.5, -36.5, 28, 39}, paintDeer, Small | Mirror);
    set(Wolf, "wolf", {-16.5, -24.5, 33, 27}, paintWolf, Small | Mirror | Detail, 1);
    // The second hundred and more: family rows and the newer painters.
    set(CoffeePot, "coffee pot", {-15.5, -26.5, 29, 29}, paintCoffeePot, Small | Recolour | Pattern | Shade | Mirror);
    set(Tureen, "soup tureen", {-17.5, -17.5, 35, 20}, paintTureen, Small | Recolour | Pattern | Shade);
    set(Demijohn, "demijohn", {-13.5, -28.5, 27, 31}, paintDemijohn, Small | Shade);
    set(Inkwell, "inkwell", {-9.5, -25.5, 19, 28}, paintInkwell, Small | Recolour | Mirror);
    set(BeerMug, "beer mug", {-7.5, -17.5, 20, 20}, paintBeerMug, Small | Recolour | Pattern | Mirror);
    set(SaltShaker, "salt shaker", {-6.5, -16.5, 14, 19}, paintSaltShaker, Small | Recolour | Pattern);
    set(Bustard, "great bustard", {-10.5, -22.5, 24, 25}, paintBustard, Small | Mirror);
    set(Cormorant, "cormorant", {-8.5, -21.5, 22, 24}, paintCormorant, Small | Mirror);
    set(Coot, "coot", {-6.5, -10.5, 16, 13}, paintCoot, Small | Mirror);
    set(Kingfisher, "kingfisher", {-4.5, -9.5, 14, 12}, paintKingfisher, Small | Mirror);
    set(Robin, "robin", {-5.5, -10.5, 13, 13}, paintRobin, Small | Mirror);
    set(Blackbird, "blackbird", {-5.5, -11.5, 15, 14}, paintBlackbird, Small | Mirror);
    set(Duckling, "duckling", {-4.5, -9.5, 12, 12}, paintDuckling, Small | Mirror | Shade);
    set(Boar, "wild boar", {-10.5, -20.5, 27, 23}, paintBoar, Small | Mirror | Detail, 1);
    set(Mangalica, "mangalica pig", {-12.5, -16.5, 29, 19}, paintMangalica, Small | Mirror | Shade | Detail, 1);
    set(Buffalo, "water buffalo", {-14.5, -23.5, 34, 26}, paintBuffalo, Small | Mirror | Detail, 1);
    set(Bear, "brown bear", {-12.5, -25.5, 32, 28}, paintBear, Small | Mirror);
    set(Llama, "llama", {-10.5, -37.5, 24, 40}, paintLlama, Small | Mirror | Recolour);
    set(Calf, "calf", {-9.5, -19.5, 23, 22}, paintCalf, Small | Mirror | Recolour | Detail, 1);
    set(Chamois, "chamois", {-9.5, -26.5, 23, 29}, paintChamois, Small | Mirror);
    set(Lamb, "lamb", {-8.5, -15.5, 20, 18}, paintLamb, Small | Mirror | Detail, 1);
    set(BarStool, "bar stool", {-6.5, -23.5, 13, 26}, paintBarStool, Small | Recolour | Shade);
    set(Table, "side table", {-15.5, -18.5, 31, 21}, paintTable, Detail | Recolour, 1);
    set(Bollard, "mooring bollard", {-7.5, -15.5, 18, 18}, paintBollard, Small | Detail, 1);
    set(TramStop, "tram stop", {-8.5, -38.5, 17, 41}, paintTramStop, Digit | Recolour, 0, 1, 1, 9);
    set(BirdFeeder, "bird feeder", {-10.5, -36.5, 21, 39}, paintBirdFeeder, Detail | Recolour, 1);
    set(FishingNet, "fishing net", {-18.5, -28.5, 37, 31}, paintFishingNet, Count | Recolour, 0, 1, 2, 6, 2);
    set(Anchor, "anchor", {-12.5, -28.5, 25, 31}, paintAnchor, Small | Recolour | Mirror | Tilt);
    set(Lifebuoy, "life ring", {-10.5, -26.5, 21, 29}, paintLifebuoy, Small | Pattern | Recolour);
    set(DeckChair, "deck chair", {-10.5, -23.5, 24, 26}, paintDeckChair, Small | Pattern | Recolour | Mirror);
    set(Sandcastle, "sand castle", {-13.5, -24.5, 27, 27}, paintSandcastle, Small | Count | Shade, 0, 1, 2, 4);
    set(Sled, "sled", {-15.5, -9.5, 31, 12}, paintSled, Small | Recolour | Detail | Mirror, 1);
    set(Wheelbarrow, "wheelbarrow", {-15.5, -19.5, 28, 22}, paintWheelbarrow, Small | Recolour | Detail | Mirror, 1);
    set(Scarecrow, "scarecrow", {-16.5, -41.5, 33, 44}, paintScarecrow, Detail | Recolour | Mirror, 1);
    set(Beehive, "beehive", {-11.5, -26.5, 23, 29}, paintBeehive, Small | Count | Shade, 0, 1, 3, 6);
    set(Bicycle, "bicycle", {-17.5, -20.5, 35, 23}, paintBicycle, Small | Recolour | Detail | Mirror, 1);
    set(Campfire, "camp fire", {-13.5, -17.5, 27, 22}, paintCampfire, Small | Light);
    set(Stump, "tree stump", {-13.5, -22.5, 27, 25}, paintStump, Small | Detail | Mirror, 1);
    set(Frog, "frog", {-9.5, -13.5, 19, 15}, paintFrog, Small | Recolour | Shade);
    set(Hedgehog, "hedgehog", {-12.5, -11.5, 26, 14}, paintHedgehog, Small | Mirror);
    set(Octopus, "octopus", {-10.5, -14.5, 21, 26}, paintOctopus, Small | Recolour | Detail, 1);
    set(Seahorse, "seahorse", {-7.5, -18.5, 17, 29}, paintSeahorse, Small | Recolour | Mirror | Tilt);
    set(TreasureChest, "treasure chest", {-14.5, -23.5, 27, 26}, paintTreasureChest, Small | Detail | Recolour, 1);
    set(GingerbreadMan, "gingerbread man", {-11.5, -23.5, 23, 25}, paintGingerbreadMan, Small | Count | Tilt, 0, 1, 1, 3);
    set(ChimneyCake, "chimney cake", {-6.5, -28.5, 13, 30}, paintChimneyCake, Small | Pattern);
    set(AdventWreath, "advent wreath", {-14.5, -20.5, 29, 23}, paintAdventWreath, Small | Count, 0, 1, 0, 4);
    set(Globe, "globe", {-9.5, -26.5, 21, 28}, paintGlobe, Small | Reshape | Recolour, 0, 2);
    set(SewingMachine, "sewing machine", {-16.5, -24.5, 33, 27}, paintSewingMachine, Small | Detail | Recolour | Mirror, 1);
    set(Dice, "dice", {-7.5, -14.5, 15, 16}, paintDice, Small | Count | Recolour, 0, 1, 1, 6);
    set(SpinningTop, "spinning top", {-10.5, -19.5, 21, 21}, paintSpinningTop, Small | Pattern | Recolour | Tilt);
    set(Drum, "toy drum", {-11.5, -20.5, 23, 23}, paintDrum, Small | Detail | Recolour, 1);
    set(Pretzel, "pretzel", {-11.5, -16.5, 23, 18}, paintPretzel, Small | Shade | Mirror);
    set(Cupcake, "cupcake", {-8.5, -19.5, 17, 21}, paintCupcake, Small | Detail | Recolour, 1);
    set(Donut, "doughnut", {-9.5, -10.5, 19, 12}, paintDonut, Small | Pattern | Recolour);
    set(Lizard, "lizard", {-14.5, -6.5, 27, 8}, paintLizard, Small | Mirror | Recolour);
    set(Dragonfly, "dragonfly", {-9.5, -10.5, 19, 18}, paintDragonfly, Small | Recolour | Tilt);
    set(Rover, "moon rover", {-14.5, -23.5, 29, 26}, paintRover, Small | Detail | Recolour | Mirror, 1);
    // A room's wall lamp, a study's hourglass, a tank's diver and sword plant.
    set(Sconce, "wall lamp", {-11, -20, 22, 31}, paintSconce, Light | Reshape | Recolour | Remove, 0, 2);
    set(Hourglass, "hourglass", {-8, -23, 16, 24.5}, paintHourglass, Small | Detail | Recolour, 1);
    set(Diver, "diver figure", {-11, -36, 27, 38}, paintDiver, Small | Detail | Recolour | Mirror, 1);
    set(SwordPlant, "sword plant", {-20, -45, 40, 46}, paintSwordPlant, Count | Resize | Recolour, 0, 1, 3, 7);
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
