# The contents of the seven picture sets: labels and the artwork each picture is drawn from.
#
# Emoji pictures name a Twemoji file (code points in hex, as the package names its SVGs); flags name
# a flag-icons country code. Sets that run alphabetically are sorted by the builder, so the lists
# below may be kept in any order that reads well.

# Animals: (label, Twemoji file stem).
ANIMALS = [
    ("Ant", "1f41c"), ("Badger", "1f9a1"), ("Bat", "1f987"), ("Bear", "1f43b"),
    ("Bee", "1f41d"), ("Beaver", "1f9ab"), ("Bison", "1f9ac"), ("Butterfly", "1f98b"),
    ("Camel", "1f42b"), ("Cat", "1f408"), ("Cow", "1f404"), ("Crab", "1f980"),
    ("Crocodile", "1f40a"), ("Deer", "1f98c"), ("Dog", "1f415"), ("Dolphin", "1f42c"),
    ("Duck", "1f986"), ("Eagle", "1f985"), ("Elephant", "1f418"), ("Fish", "1f41f"),
    ("Flamingo", "1f9a9"), ("Fox", "1f98a"), ("Frog", "1f438"), ("Giraffe", "1f992"),
    ("Goat", "1f410"), ("Gorilla", "1f98d"), ("Hamster", "1f439"), ("Hedgehog", "1f994"),
    ("Hippo", "1f99b"), ("Horse", "1f40e"), ("Kangaroo", "1f998"), ("Koala", "1f428"),
    ("Ladybird", "1f41e"), ("Lion", "1f981"), ("Llama", "1f999"), ("Lobster", "1f99e"),
    ("Monkey", "1f412"), ("Mouse", "1f401"), ("Octopus", "1f419"), ("Owl", "1f989"),
    ("Panda", "1f43c"), ("Parrot", "1f99c"), ("Peacock", "1f99a"), ("Penguin", "1f427"),
    ("Pig", "1f416"), ("Polar Bear", "1f43b-200d-2744-fe0f"), ("Rabbit", "1f407"),
    ("Raccoon", "1f99d"), ("Rhino", "1f98f"), ("Rooster", "1f413"), ("Scorpion", "1f982"),
    ("Seal", "1f9ad"), ("Shark", "1f988"), ("Sheep", "1f411"), ("Skunk", "1f9a8"),
    ("Sloth", "1f9a5"), ("Snail", "1f40c"), ("Snake", "1f40d"), ("Spider", "1f577"),
    ("Swan", "1f9a2"), ("Tiger", "1f405"), ("Turtle", "1f422"), ("Whale", "1f40b"),
    ("Zebra", "1f993"),
]

FOOD = [
    ("Apple", "1f34e"), ("Avocado", "1f951"), ("Bacon", "1f953"), ("Bagel", "1f96f"),
    ("Baguette", "1f956"), ("Banana", "1f34c"), ("Blueberries", "1fad0"), ("Broccoli", "1f966"),
    ("Burrito", "1f32f"), ("Butter", "1f9c8"), ("Cake", "1f370"), ("Candy", "1f36c"),
    ("Carrot", "1f955"), ("Cheese", "1f9c0"), ("Cherries", "1f352"), ("Chestnut", "1f330"),
    ("Chili", "1f336"), ("Chocolate", "1f36b"), ("Coconut", "1f965"), ("Cookie", "1f36a"),
    ("Corn", "1f33d"), ("Croissant", "1f950"), ("Cucumber", "1f952"), ("Cupcake", "1f9c1"),
    ("Doughnut", "1f369"), ("Dumpling", "1f95f"), ("Egg", "1f95a"), ("Eggplant", "1f346"),
    ("Fries", "1f35f"), ("Garlic", "1f9c4"), ("Grapes", "1f347"), ("Hamburger", "1f354"),
    ("Honey", "1f36f"), ("Hot Dog", "1f32d"), ("Ice Cream", "1f368"), ("Kiwi", "1f95d"),
    ("Lemon", "1f34b"), ("Lollipop", "1f36d"), ("Mushroom", "1f344"), ("Noodles", "1f35c"),
    ("Olive", "1fad2"), ("Onion", "1f9c5"), ("Pancakes", "1f95e"), ("Peach", "1f351"),
    ("Peanuts", "1f95c"), ("Pear", "1f350"), ("Pepper", "1fad1"), ("Pie", "1f967"),
    ("Pineapple", "1f34d"), ("Pizza", "1f355"), ("Popcorn", "1f37f"), ("Potato", "1f954"),
    ("Pretzel", "1f968"), ("Rice", "1f35a"), ("Salad", "1f957"), ("Sandwich", "1f96a"),
    ("Shrimp", "1f364"), ("Spaghetti", "1f35d"), ("Steak", "1f969"), ("Strawberry", "1f353"),
    ("Sushi", "1f363"), ("Taco", "1f32e"), ("Waffle", "1f9c7"), ("Watermelon", "1f349"),
]

# Sports: pictograms of the sport, shown on round badges, with the sport's name.
SPORTS = [
    ("Archery", "1f3f9"), ("Badminton", "1f3f8"), ("Baseball", "26be"), ("Basketball", "1f3c0"),
    ("Billiards", "1f3b1"), ("Boomerang", "1fa83"), ("Bowling", "1f3b3"), ("Boxing", "1f94a"),
    ("Canoeing", "1f6f6"), ("Chess", "265f"), ("Climbing", "1f9d7"), ("Cricket", "1f3cf"),
    ("Cross-Country", "1f3bf"), ("Curling", "1f94c"), ("Cycling", "1f6b4"), ("Dancing", "1f483"),
    ("Darts", "1f3af"), ("Diving", "1f93f"), ("Esports", "1f3ae"), ("Fencing", "1f93a"),
    ("Field Hockey", "1f3d1"), ("Fishing", "1f3a3"), ("Flying Disc", "1f94f"),
    ("Football", "26bd"), ("Golf", "26f3"), ("Gymnastics", "1f938"), ("Handball", "1f93e"),
    ("Hiking", "1f97e"), ("Horse Racing", "1f3c7"), ("Ice Hockey", "1f3d2"),
    ("Ice Skating", "26f8"), ("Judo", "1f94b"), ("Juggling", "1f939"), ("Kite Flying", "1fa81"),
    ("Lacrosse", "1f94d"), ("Marathon", "1f3bd"), ("Motor Racing", "1f3c1"),
    ("Motorcycling", "1f3cd"), ("Mountain Biking", "1f6b5"), ("Parachuting", "1fa82"),
    ("Powerboating", "1f6a4"), ("Roller Skating", "1f6fc"), ("Rowing", "1f6a3"),
    ("Rugby", "1f3c9"), ("Running", "1f3c3"), ("Sailing", "26f5"), ("Scootering", "1f6f4"),
    ("Skateboarding", "1f6f9"), ("Skiing", "26f7"), ("Sledding", "1f6f7"),
    ("Snowboarding", "1f3c2"), ("Softball", "1f94e"), ("Surfing", "1f3c4"),
    ("Swimming", "1f3ca"), ("Table Tennis", "1f3d3"), ("Tennis", "1f3be"),
    ("US Football", "1f3c8"), ("Volleyball", "1f3d0"), ("Walking", "1f6b6"),
    ("Water Polo", "1f93d"), ("Weightlifting", "1f3cb"), ("Wrestling", "1f93c"),
    ("Yoga", "1f9d8"), ("Ballet", "1fa70"),
]

COUNTRIES = [
    ("Algeria", "dz"), ("Argentina", "ar"), ("Australia", "au"), ("Austria", "at"),
    ("Bangladesh", "bd"), ("Belgium", "be"), ("Brazil", "br"), ("Canada", "ca"),
    ("Chile", "cl"), ("China", "cn"), ("Colombia", "co"), ("Cuba", "cu"),
    ("Czechia", "cz"), ("Denmark", "dk"), ("Egypt", "eg"), ("Estonia", "ee"),
    ("Ethiopia", "et"), ("Finland", "fi"), ("France", "fr"), ("Germany", "de"),
    ("Ghana", "gh"), ("Greece", "gr"), ("Hungary", "hu"), ("Iceland", "is"),
    ("India", "in"), ("Indonesia", "id"), ("Iran", "ir"), ("Israel", "il"),
    ("Italy", "it"), ("Jamaica", "jm"), ("Japan", "jp"), ("Kenya", "ke"),
    ("Lebanon", "lb"), ("Malaysia", "my"), ("Mexico", "mx"), ("Morocco", "ma"),
    ("Nepal", "np"), ("Netherlands", "nl"), ("New Zealand", "nz"), ("Nigeria", "ng"),
    ("Norway", "no"), ("Pakistan", "pk"), ("Peru", "pe"), ("Philippines", "ph"),
    ("Portugal", "pt"), ("Qatar", "qa"), ("Romania", "ro"), ("Russia", "ru"),
    ("Saudi Arabia", "sa"), ("Singapore", "sg"), ("South Africa", "za"),
    ("South Korea", "kr"), ("Spain", "es"), ("Sweden", "se"), ("Switzerland", "ch"),
    ("Thailand", "th"), ("Turkey", "tr"), ("Ukraine", "ua"), ("United Kingdom", "gb"),
    ("United States", "us"), ("Uruguay", "uy"), ("Venezuela", "ve"), ("Vietnam", "vn"),
    ("Poland", "pl"),
]

# Cars: body shapes whose body paint the builder recolours, and a few liveried vehicles.
# Each shape: (name, Twemoji file stem, main body colour, second colour and whether it is a
# lighter or darker shade of the body, or None).
CAR_SHAPES = [
    ("Sedan", "1f697", "#DD2E44", None),
    ("SUV", "1f699", "#3B88C3", ("#55ACEE", "light")),
    ("Racer", "1f3ce", "#F4900C", None),
    ("Pickup", "1f6fb", "#DD2E44", ("#F492A9", "light")),
    ("Van", "1f690", "#99AAB5", ("#E1E8ED", "light")),
    ("Hatch", "1f698", "#3B88C3", ("#269", "dark")),
]
# Paint colours: name, main, lighter shade, darker shade.
CAR_COLOURS = [
    ("Red", "#DD2E44", "#F4909E", "#A0041E"),
    ("Blue", "#3B88C3", "#88C9F9", "#1C5C8C"),
    ("Green", "#5C913B", "#A6D388", "#3E721D"),
    ("Yellow", "#FFCC4D", "#FFE8B6", "#D99E00"),
    ("Orange", "#F4900C", "#FFC480", "#B55D00"),
    ("Purple", "#9266CC", "#C9AFF0", "#553788"),
    ("Black", "#3A4045", "#7B858C", "#14171A"),
    ("White", "#F5F8FA", "#FFFFFF", "#AAB8C2"),
    ("Pink", "#F27BA0", "#F9C3D4", "#C2416B"),
    ("Brown", "#A0522D", "#D38B5D", "#662113"),
]
# How many paint colours each shape gets (in CAR_COLOURS order); with the liveried vehicles
# this makes 64.
CAR_COLOURS_PER_SHAPE = {"Sedan": 10, "SUV": 10, "Racer": 9, "Pickup": 9, "Van": 9, "Hatch": 10}
CAR_LIVERIES = [
    ("Ambulance", "1f691"), ("Auto Rickshaw", "1f6fa"), ("Fire Engine", "1f692"),
    ("Police Car", "1f693"), ("Patrol Car", "1f694"), ("Taxi", "1f695"), ("Cab", "1f696"),
]

ZODIAC = [
    ("Aries", "2648"), ("Taurus", "2649"), ("Gemini", "264a"), ("Cancer", "264b"),
    ("Leo", "264c"), ("Virgo", "264d"), ("Libra", "264e"), ("Scorpio", "264f"),
    ("Sagittarius", "2650"), ("Capricorn", "2651"), ("Aquarius", "2652"), ("Pisces", "2653"),
]
# The four digit sets: tile colour and digit colour.
DIGIT_SETS = [("#D7263D", "#FFFFFF"), ("#2E933C", "#FFFFFF"), ("#1B5FBF", "#FFFFFF"),
              ("#F2B705", "#1A1A1A")]
DIGITS = "1234567890"
# Months with the colour of their season (winter, spring, summer, autumn).
MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August",
          "September", "October", "November", "December"]
SEASON_COLOURS = ["#2F6FB5", "#2F6FB5", "#3C9A3C", "#3C9A3C", "#3C9A3C", "#E0A100",
                  "#E0A100", "#E0A100", "#C8561E", "#C8561E", "#C8561E", "#2F6FB5"]

MALE_NAMES = [
    "Adam", "Alex", "Ben", "Carl", "Chris", "Daniel", "David", "Eric", "Frank", "George",
    "Henry", "Jack", "James", "John", "Kevin", "Leo", "Mark", "Martin", "Max", "Michael",
    "Nick", "Oliver", "Oscar", "Paul", "Peter", "Robert", "Sam", "Simon", "Thomas", "Tom",
    "Victor", "William",
]
FEMALE_NAMES = [
    "Alice", "Anna", "Barbara", "Carol", "Chloe", "Clara", "Diana", "Emily", "Emma", "Eva",
    "Grace", "Hannah", "Helen", "Isabel", "Julia", "Kate", "Laura", "Linda", "Lisa", "Lucy",
    "Maria", "Mary", "Mia", "Nina", "Olivia", "Rachel", "Rose", "Sarah", "Sophie", "Susan",
    "Vera", "Zoe",
]
